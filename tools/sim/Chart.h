#pragma once

#include <string>
#include <vector>

class BotGame;

// The run's games as a picture a modder opens in a browser: money, health and
// purchases (towers and levels) by wave, one line per strategy, each the mean
// of that strategy's games that reached the wave; a boss's waves stand out as
// shaded columns.
class Chart {
  public:
    // Takes a finished game under its strategy's name.
    void add(const std::string& strategy, const BotGame& game);
    // The chart as an SVG document.
    std::string svg() const;

  private:
    struct Point {
        double money = 0.0;
        double health = 0.0;
        double purchases = 0.0;
        int games = 0;
    };
    struct Line {
        std::string strategy;
        std::vector<Point> byWave; // index 0 is wave 1
    };

    std::vector<Line> lines;
    // Waves that were a boss's in any game, by wave - 1.
    std::vector<bool> bossWaves;
};
