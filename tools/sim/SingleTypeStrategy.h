#pragma once

#include "sim/Strategy.h"

// Buys one type of tower whenever the money is there, spread along the ground.
class SingleTypeStrategy : public Strategy {
  public:
    explicit SingleTypeStrategy(int type) : type(type) {}
    void act(BotGame& game) override;

  private:
    const int type;
};
