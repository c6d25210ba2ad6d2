#pragma once

#include "invaders/SquibbleWave.h"

// A boss alone: it forms and marches as a block of squibbles does, right,
// down, left, down, at its own slow pace, and turns and gets through by its
// own size.
class BossWave : public SquibbleWave {
  public:
    // A wave of one invader of the given kind, moving at its kind's speed,
    // in the game's present wave.
    explicit BossWave(int kind, GameSession* game = nullptr);
};
