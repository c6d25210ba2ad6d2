#pragma once

#include "sim/Strategy.h"

// Buys laser, missile, tesla, laser, ... in turn, each as soon as the money is
// there. A type that fits nowhere any more loses its turn.
class MixStrategy : public Strategy {
  public:
    void act(BotGame& game) override;

  private:
    int next = 0;
};
