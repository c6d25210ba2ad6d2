#pragma once

#include "invaders/Squibble.h"

// A frail, quick squibble that marches in the block until a moment of its
// own, then leaves it and drops straight for the ground at its own speed. It
// gets through as a squibble does, at the bottom line. A laser below it meets
// it head on; a coil's random strike may well pick another.
class Dartling : public Squibble {
  public:
    explicit Dartling(int kind, int waveNumber = 1);

    void update(double dt) override;
    bool marching() const override { return !diving; }

    // Seconds on the playfield before it dives, drawn from the game's random
    // sequence when it is made.
    double waitLeft;
    bool diving = false;
};
