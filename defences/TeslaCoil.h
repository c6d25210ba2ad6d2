#pragma once

#include "defences/Building.h"

class Invader;

// Strikes a random invader within range every period.
class TeslaCoil : public Building {
  public:
    // Of the type at that place in towerTypes().
    explicit TeslaCoil(int type);

    void update(double dt) override;
    // A level also lengthens the coil's reach.
    void upgrade() override;
    const char* reachName() const override { return "range"; }
    double reach() const override { return range; }
    // Centred on the emitter, where the range is measured from.
    Circle strikeCircle(int centreX) const override;

    // A random invader whose centre lies within range of the emitter, or null.
    Invader* pickTarget() const;

    double range; // pixels, from the emitter

  protected:
    void fire() override;
};
