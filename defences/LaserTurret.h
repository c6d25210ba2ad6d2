#pragma once

#include "defences/Building.h"

// Tower type 0: fires a bolt straight up from its muzzle every period.
class LaserTurret : public Building {
  public:
    LaserTurret();

    void update(double dt) override;

  protected:
    void fire() override;
};
