#pragma once

#include <cstdio>
#include <string>
#include <vector>

class BotGame;

// The figures of many games, gathered per strategy and printed as one table.
class Summary {
  public:
    // Takes what the game came to, under the strategy's name.
    void add(const std::string& strategy, const BotGame& game);
    void print(std::FILE* out) const;

  private:
    struct Game {
        int waveReached; // the wave the game was lost in, or the first not played
        bool lost;
        bool stalled;
        double minutes;          // game time
        double countdown;        // share of the game time between waves
        int unspent;             // money at the end
        int upgrades;            // levels bought
        double lastPurchase;     // minute of the last tower or level bought
        std::vector<int> bought; // by type
        std::vector<int> standing;
        int bossKills; // bosses killed
        int bossWaves; // boss waves met
    };

    struct Row {
        std::string strategy;
        std::vector<Game> games;
    };

    std::vector<Row> rows;
};
