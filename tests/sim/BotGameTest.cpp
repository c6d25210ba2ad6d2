// Bots play the first waves on the shipped data/, and what they write for each
// wave must be what the session itself holds at that moment.

#include "sim/BotGame.h"
#include "app/Engine.h"
#include "defences/Building.h"
#include "game/TowerType.h"
#include "invaders/InvaderKind.h"
#include "sim/Strategy.h"
#include "sim/Summary.h"

#include "support/EngineScope.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kSeed = 3;
constexpr int kWaves = 3;

class BotGameTest : public ::testing::TestWithParam<std::string> {
  protected:
    // The shipped data with every kind and the boss brought forward, so that
    // these few waves meet them all.
    static void SetUpTestSuite() {
        loadShippedGame();
        bringEveryKindForward(kWaves);
    }

    // Plays the game through and checks every wave's record in the frame it
    // is written; returns the records.
    std::vector<WaveRecord> playChecked(const std::string& name) {
        const Engine& engine = Engine::instance();
        const std::vector<TowerDef>& defs = engine.towerDefs;

        BotGame game(kSeed, false, kWaves);
        const std::unique_ptr<Strategy> strategy = makeStrategy(name);
        const int startingMoney = game.session.money;
        int frames = 0;
        long long bounties = 0;
        int healthLost = 0;
        std::vector<int> met(invaderKindCount());
        while (!game.over()) {
            strategy->act(game);
            game.frame();
            ++frames;
            if (game.waves.empty() || game.waves.back().time != game.time)
                continue;

            const WaveRecord& wave = game.waves.back();
            SCOPED_TRACE("wave " + std::to_string(wave.wave));
            EXPECT_EQ(wave.wave, game.session.waveNumber - 1);
            // Every invader of a cleared wave was either killed or got
            // through: a boss alone, or the block.
            EXPECT_EQ(wave.boss, game.session.bossOf(wave.wave) >= 0);
            EXPECT_EQ(wave.kills + wave.escapes, wave.boss ? 1 : 2 * wave.wave + 14);
            for (int kind = 0; kind < invaderKindCount(); ++kind) {
                const InvaderDef& def = engine.invaderDefs[kind];
                bounties += wave.killsByKind[kind] * static_cast<long long>(def.value);
                healthLost += wave.escapesByKind[kind] * def.escapeCost;
                met[kind] += wave.killsByKind[kind] + wave.escapesByKind[kind];
            }

            EXPECT_EQ(wave.health, game.session.health);
            EXPECT_EQ(wave.health, game.session.maxHealth - healthLost);
            EXPECT_EQ(wave.money, game.session.money);
            // The bot's own ledger of prices paid, levels included, and refunds.
            const long long money = startingMoney + bounties - game.spent + game.refunded;
            int standing = 0;
            int purchases = game.upgrades;
            long long towerPrices = 0;
            for (int type = 0; type < towerTypeCount(); ++type) {
                standing += wave.towers[type];
                purchases += game.bought[type];
                towerPrices += game.bought[type] * static_cast<long long>(defs[type].value);
            }
            EXPECT_EQ(wave.money, money);
            EXPECT_EQ(wave.purchases, purchases);
            EXPECT_EQ(game.spent > towerPrices, game.upgrades > 0);
            EXPECT_EQ(standing, static_cast<int>(game.session.buildings.size()));
            for (const Building* building : game.session.buildings)
                EXPECT_GT(wave.towers[building->type], 0);
            EXPECT_NEAR(wave.time, frames / 60.0, 1e-6);
        }
        for (int kind = 0; kind < invaderKindCount(); ++kind)
            EXPECT_EQ(met[kind] > 0, engine.invaderDefs[kind].present) << "kind " << kind;
        EXPECT_FALSE(game.session.gameOver);
        EXPECT_FALSE(game.stalled());
        EXPECT_EQ(game.waves.size(), static_cast<size_t>(kWaves));
        return game.waves;
    }
};

TEST_P(BotGameTest, EachWaveRecordIsTheSessionsOwnState) {
    const std::vector<WaveRecord> first = playChecked(GetParam());
    // The same seed plays the same game.
    const std::vector<WaveRecord> again = playChecked(GetParam());
    ASSERT_EQ(first.size(), again.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].kills, again[i].kills);
        EXPECT_EQ(first[i].money, again[i].money);
        EXPECT_EQ(first[i].time, again[i].time);
    }
}

INSTANTIATE_TEST_SUITE_P(Strategies, BotGameTest,
                         ::testing::Values("mix", "upgrade", "greedy-sell"));

// Squibbles that never march never arrive: the game is given up as stalled
// once nothing has come or gone for the limit, instead of being played for ever.
TEST(BotGameStall, AWaveThatNeverEndsIsStoppedAtTheLimit) {
    loadShippedGame();
    EngineScope scope;
    scope.engine.settings.set("Wave1SpeedBase", "0");
    BotGame game(kSeed, true, 0);
    game.stallLimit = 30.0;
    while (!game.over())
        game.frame();
    EXPECT_TRUE(game.stalled());
    EXPECT_EQ(game.session.waveNumber, 1);
    EXPECT_NEAR(game.time, game.countdownTime + 30.0, 0.2);
}

} // namespace

// With money for everything, the upgrade bot fills the ground first and then
// buys levels, which the summary counts, with the minute of the last buy.
TEST(BotGameUpgrades, TheUpgradeBotFillsTheGroundThenBuysLevels) {
    loadShippedGame();
    EngineScope scope;
    scope.engine.settings.set("StartingMoney", "20000");
    BotGame game(kSeed, true, 1);
    game.playThrough(*makeStrategy("upgrade"));
    for (int type = 0; type < towerTypeCount(); ++type)
        EXPECT_TRUE(game.knownFull(type)) << type;
    EXPECT_GT(game.upgrades, 0);

    Summary summary;
    summary.add("upgrade", game);
    std::FILE* out = std::tmpfile();
    summary.print(out);
    std::rewind(out);
    char header[256] = {};
    char row[256] = {};
    ASSERT_TRUE(std::fgets(header, sizeof header, out) && std::fgets(row, sizeof row, out));
    std::fclose(out);
    EXPECT_NE(std::string(header).find("upgrades  last buy"), std::string::npos) << header;
    char upgrades[32];
    std::snprintf(upgrades, sizeof upgrades, " %8d ", game.upgrades);
    EXPECT_NE(std::string(row).find(upgrades), std::string::npos) << row;
}
