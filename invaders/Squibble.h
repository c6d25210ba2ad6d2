#pragma once

#include "invaders/Invader.h"

// The game's one kind of invader, built from the first invader definition and
// the current wave number.
class Squibble : public Invader {
  public:
    Squibble();

    void update(double dt) override;
    void draw(BITMAP* bitmap) override;
    void damage(int amount) override;
};
