#pragma once

#include "defences/Building.h"

// Fires a bolt straight up from its muzzle every period.
class LaserTurret : public Building {
  public:
    // Of the type at that place in towerTypes().
    explicit LaserTurret(int type);

    void update(double dt) override;

  protected:
    void fire() override;
};
