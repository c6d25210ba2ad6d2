// The shipped strings.txt keeps money a decision to the last wave, makes the
// towers answer different kinds and lets the end come over several waves, as
// the bots measure it over the README's five games each: a change to a tower,
// an invader or a bot that tips the balance shows here.

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
    double countdownShare = 0.0;
    int unspent = 0;
    int lastPurchaseWave = 0;
    bool everyType = false;
    // The first wave, played whole with no room left on the ground, in which
    // an invader got through; 0 when there was none.
    int firstEscapeWhenFull = 0;
};

std::vector<Played> play(const std::string& strategyName) {
    std::vector<Played> games;
    for (unsigned seed = 1; seed <= kGames; ++seed) {
        BotGame game(seed, false, 0);
        game.playThrough(*makeStrategy(strategyName));
        Played played;
        played.wave = game.session.waveNumber;
        played.minutes = game.time / 60.0;
        played.countdownShare = game.countdownTime / game.time;
        for (size_t w = 1; w < game.waves.size() && !played.firstEscapeWhenFull; ++w)
            if (game.waves[w - 1].groundFull && game.waves[w].escapes > 0)
                played.firstEscapeWhenFull = game.waves[w].wave;
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

TEST(ShippedBalance, MoneyStaysADecisionAndTheTowersAnswerDifferentKinds) {
    loadShippedGame();
    int dearest = 0;
    for (const TowerDef& def : Engine::instance().towerDefs)
        dearest = std::max(dearest, def.value);

    // Countdowns are pauses, not the game.
    const auto briefCountdowns = [](const std::vector<Played>& games) {
        for (const Played& game : games)
            EXPECT_LE(game.countdownShare, 0.12);
    };
    double greedyWave = 0.0;
    for (const char* weighing : {"greedy", "greedy-sell"}) {
        SCOPED_TRACE(weighing);
        const std::vector<Played> games = play(weighing);
        briefCountdowns(games);
        EXPECT_LE(median(games, [](const Played& g) { return g.unspent; }), dearest);
        if (std::string(weighing) != "greedy")
            continue;
        for (const Played& game : games) {
            SCOPED_TRACE("lost in wave " + std::to_string(game.wave));
            EXPECT_GE(game.lastPurchaseWave, game.wave - 1);
            EXPECT_TRUE(game.everyType);
            // The end comes over several waves, not in one burst.
            EXPECT_GT(game.firstEscapeWhenFull, 0) << "the ground filled and held for a while";
            EXPECT_GE(game.wave - game.firstEscapeWhenFull, 4);
        }
        greedyWave = medianWave(games);
        EXPECT_GE(greedyWave, 30);
        const double minutes = median(games, [](const Played& g) { return g.minutes; });
        EXPECT_GE(minutes, 20.0);
        EXPECT_LE(minutes, 30.0);
    }

    // No one type of tower answers every kind.
    for (const char* single : {"lasers", "missiles", "teslas"}) {
        const std::vector<Played> games = play(single);
        briefCountdowns(games);
        EXPECT_LE(medianWave(games), greedyWave - 3) << single;
    }

    // Filling the ground before buying levels beats buying them in turn.
    EXPECT_GE(medianWave(play("upgrade")), medianWave(play("mix")) + 2);
}

// Hard ends greedy's game in under two dozen waves with no one type holding
// out as long; Easy lets a plain mix of every type last past wave 25.
TEST(ShippedBalance, HardShortensTheGameAndEasyLengthensIt) {
    loadShippedGame();
    Engine& engine = Engine::instance();
    ASSERT_TRUE(engine.useDifficulty(Difficulty::Hard).empty());
    const double greedyWave = medianWave(play("greedy"));
    EXPECT_GE(greedyWave, 18);
    EXPECT_LE(greedyWave, 24);
    for (const char* single : {"lasers", "missiles", "teslas"})
        EXPECT_LE(medianWave(play(single)), greedyWave - 3) << single;

    ASSERT_TRUE(engine.useDifficulty(Difficulty::Easy).empty());
    EXPECT_GE(medianWave(play("mix")), 25);
    engine.useDifficulty(Difficulty::Normal);
}
