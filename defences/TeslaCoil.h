#pragma once

#include "defences/Building.h"

// Tower type 2: strikes a random invader within range every period.
class TeslaCoil : public Building {
  public:
    TeslaCoil();

    void update(double dt) override;
};
