#pragma once

#include "invaders/Wave.h"

// A block of squibbles that forms above the playfield and marches right, down,
// left, down across it.
class SquibbleWave : public Wave {
  public:
    explicit SquibbleWave(int count);

    void update(double dt) override;

    double speed;     // pixels per second, across and down
    int march;        // 0 right, 1 down at the right, 2 left, 3 down at the left
    double descended; // pixels moved down in the current step down

  private:
    // The invader got through at the bottom: it costs a point of health.
    void escape(Invader* invader);
};
