#pragma once

#include "sim/Strategy.h"

#include "game/TowerType.h"

// Buys laser, missile, tesla, a level for the least upgraded tower, laser,
// ... in turn, each as soon as the money is there. A type that fits nowhere
// any more, or a level that no tower has left, loses its turn. Built to fill
// the ground first, it buys levels only once no type fits any more.
class MixStrategy : public Strategy {
  public:
    explicit MixStrategy(bool groundFirst = false) : groundFirst(groundFirst) {}
    void act(BotGame& game) override;

  private:
    // Whether the turn is the upgrade's, and what it does then.
    bool upgradeTurn() const { return next == towerTypeCount(); }
    bool takeUpgradeTurn(BotGame& game);

    const bool groundFirst;
    int next = 0;
};
