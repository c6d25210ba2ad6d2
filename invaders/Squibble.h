#pragma once

#include "invaders/Invader.h"

struct InvaderDef;

// The game's first kind of invader, and what the others are made from: built
// from its kind's definition and the current wave number, it wobbles along,
// flinches when hit, looks battered below a third of its health and pays its
// bounty when killed.
class Squibble : public Invader {
  public:
    // Of the given kind, with the health it has in the wave of that number.
    explicit Squibble(int kind = 0, int waveNumber = 1);

    void update(double dt) override;
    void draw(BITMAP* bitmap) override;
    void damage(int amount) override;

  protected:
    // The definition of its kind.
    const InvaderDef& def() const;
    // The loop it rests in at its present health, and the reaction to a hit.
    int restingLoop() const;
    int hitReaction() const;

    // The loops it rests in while healthy and once badly hurt; a kind that
    // changes its gait changes them.
    int healthyLoop;
    int damagedLoop;
};
