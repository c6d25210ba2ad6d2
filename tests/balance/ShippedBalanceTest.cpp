// The shipped strings.txt keeps money a decision to the last wave, as the bots
// measure it over the README's five games each: a change to a tower, a
// squibble or a bot that tips the balance shows here.

#include "sim/BotGame.h"
#include "sim/Strategy.h"

#include "app/Engine.h"
#include "game/TowerType.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr unsigned kGames = 5;

struct Played {
    int wave = 0;
    double minutes = 0.0;
    int unspent = 0;
    int lastPurchaseWave = 0;
    bool everyType = false;
};

std::vector<Played> play(const std::string& strategyName) {
    std::vector<Played> games;
    for (unsigned seed = 1; seed <= kGames; ++seed) {
        BotGame game(seed, false, 0);
        game.playThrough(*makeStrategy(strategyName));
        Played played;
        played.wave = game.session.waveNumber;
        played.minutes = game.time / 60.0;
        played.unspent = game.session.money;
        const int purchases = game.waves.back().purchases;
        for (const WaveRecord& record : game.waves) {
            if (record.purchases == purchases) {
                played.lastPurchaseWave = record.wave;
                break;
            }
        }
        played.everyType = true;
        for (int type = 0; type < towerTypeCount(); ++type)
            played.everyType = played.everyType && game.towersOf(type) > 0;
        games.push_back(played);
    }
    return games;
}

template <typename Field> double median(const std::vector<Played>& games, Field field) {
    std::vector<double> values;
    for (const Played& game : games)
        values.push_back(field(game));
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianWave(const std::vector<Played>& games) {
    return median(games, [](const Played& g) { return g.wave; });
}

} // namespace

TEST(ShippedBalance, MoneyStaysADecisionToTheLastWave) {
    loadShippedGame();
    int dearest = 0;
    for (const TowerDef& def : Engine::instance().towerDefs)
        dearest = std::max(dearest, def.value);

    for (const char* weighing : {"greedy", "greedy-sell"}) {
        SCOPED_TRACE(weighing);
        const std::vector<Played> games = play(weighing);
        EXPECT_LE(median(games, [](const Played& g) { return g.unspent; }), dearest);
        if (std::string(weighing) != "greedy")
            continue;
        for (const Played& game : games) {
            EXPECT_GE(game.lastPurchaseWave, game.wave - 1) << "lost in wave " << game.wave;
            EXPECT_TRUE(game.everyType);
        }
        EXPECT_GE(medianWave(games), 20);
        const double minutes = median(games, [](const Played& g) { return g.minutes; });
        EXPECT_GE(minutes, 12.0);
        EXPECT_LE(minutes, 20.0);
    }

    std::vector<double> singles;
    for (const char* single : {"lasers", "missiles", "teslas"})
        singles.push_back(medianWave(play(single)));
    EXPECT_LE(*std::max_element(singles.begin(), singles.end()) -
                  *std::min_element(singles.begin(), singles.end()),
              2)
        << "lasers, missiles, teslas: " << singles[0] << ", " << singles[1] << ", " << singles[2];

    // Filling the ground before buying levels beats buying them in turn.
    EXPECT_GE(medianWave(play("upgrade")), medianWave(play("mix")) + 2);
}
