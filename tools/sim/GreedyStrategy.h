#pragma once

#include "sim/Strategy.h"

#include <functional>

class Building;

// Before each purchase, plays every affordable choice out a minute ahead on
// a copy of the game and makes the one that adds the most kills per dollar,
// an invader that costs more than a point of health when it gets through
// (a boss) counting its extra points against the choice.
// With selling, a tower that has stood for four minutes may also make way for
// one of another type once the ground is full. A level for a standing tower is
// weighed the same way.
class GreedyStrategy : public Strategy {
  public:
    explicit GreedyStrategy(bool sells) : sells(sells) {}
    void act(BotGame& game) override;

  private:
    // A change to the game that a choice stands for; false when it cannot be
    // made.
    using Change = std::function<bool(BotGame&)>;

    struct Choice {
        Change change;
        int cost = 0;
    };

    // Makes the best choice there is; false when none adds a kill.
    bool choose(BotGame& game);
    // The choices of the moment: a new tower of each type that fits, and,
    // with selling, each type in place of the oldest tower of another type,
    // once that tower has served long enough; then the upgrades.
    std::vector<Choice> choices(BotGame& game) const;
    // A level for the least raised tower of each type, when affordable.
    void upgradeChoices(BotGame& game, std::vector<Choice>& found) const;
    // What the next minute is worth in a copy of the game with the change
    // made: its kills less the extra health that costly escapes take, or
    // nothing (has is false) when the change cannot be made.
    struct Worth {
        bool has = false;
        double score = 0.0;
    };
    static Worth worthAhead(BotGame& game, const Change& change);

    const bool sells;
    bool lookedDuringWave = false;
    double lastLook = 0.0; // game seconds
};
