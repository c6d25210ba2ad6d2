#pragma once

#include "invaders/Squibble.h"

class GameSession;

// A squibble under a riveted shell. Its armour is taken off every hit, so a
// shower of small hits barely scratches it while one heavy blow tells. A hit
// no stronger than the armour is turned aside whole: it does no harm at all,
// and the shell rings. Each shows on the shell: the figure a softened hit
// did, in grey, and its sparks, or the clink's.
class Shellback : public Squibble {
  public:
    explicit Shellback(int kind, int waveNumber = 1);

    void damage(int amount) override;

  private:
    void showSoftened(GameSession& game, int done);
};
