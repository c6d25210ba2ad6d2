#pragma once

#include "invaders/Squibble.h"

// The squibbles' great mother, who comes alone on a boss wave: large, slow,
// tough, and costly when she gets through. Her health shows as a bar over
// her.
class Broodmother : public Squibble {
  public:
    explicit Broodmother(int kind, int waveNumber = 1);

    void draw(BITMAP* bitmap) override;
};
