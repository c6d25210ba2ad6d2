#pragma once

#include "invaders/Squibble.h"

// A squibble under a riveted shell. Its armour is taken off every hit, so a
// shower of small hits barely scratches it while one heavy blow tells. A hit
// no stronger than the armour is turned aside whole: it does no harm at all,
// and the shell rings.
class Shellback : public Squibble {
  public:
    explicit Shellback(int kind, int waveNumber = 1);

    void damage(int amount) override;
};
