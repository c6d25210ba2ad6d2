#pragma once

#include "defences/Building.h"

// Tower type 1: launches a homing missile with splash at a random invader every period.
class MissileTurret : public Building {
  public:
    MissileTurret();

    void update(double dt) override;
};
