// A hundred waves on the shipped data/, with towers sold and built all the
// while. Under the sanitizer build this is where leaks and slow corruption
// show; here it checks that the lists fill and drain with every wave rather
// than creep upwards.

#include "game/TowerType.h"
#include "soak/SoakGame.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kWaves = 100;
constexpr int kEarlyWaves = 10;

class Soak : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { loadShippedGame(); }
};

TEST_F(Soak, AHundredWavesComeAndGoWithTheListsDrainingAfterEach) {
    std::vector<WaveRecord> records;
    {
        SoakGame game;
        ASSERT_TRUE(
            game.playThroughWave(kWaves, [&](const WaveRecord& r) { records.push_back(r); }))
            << "wave " << game.session->waveNumber << " never ended";
        EXPECT_FALSE(game.session->gameOver);
        // Every type of tower is standing at the end, after a hundred sales.
        std::vector<int> types(towerTypeCount(), 0);
        for (const Building* building : game.session->buildings)
            ++types[building->type];
        for (int type = 0; type < towerTypeCount(); ++type)
            EXPECT_GT(types[type], 0) << "type " << type;
        for (WaveRecord& r : records)
            r.boss = game.session->bossOf(r.number) >= 0;
    }

    ASSERT_EQ(records.size(), static_cast<size_t>(kWaves));
    // The towers stand from the first waves on, so the first ten show what
    // they can have in flight at once.
    size_t earlyProjectilesPeak = 0;
    for (int wave = 0; wave < kEarlyWaves; ++wave)
        earlyProjectilesPeak = std::max(earlyProjectilesPeak, records[wave].projectilesPeak);
    const WaveRecord& early = records[1];
    for (const WaveRecord& r : records) {
        SCOPED_TRACE("wave " + std::to_string(r.number));
        EXPECT_EQ(r.invadersPeak, r.boss ? 1u : static_cast<size_t>(2 * r.number + 14));
        EXPECT_GT(r.projectilesPeak, 0u);
        EXPECT_GT(r.effectsPeak, 0u);
        EXPECT_EQ(r.buildings, 9u);
        // What is left when a wave ends is what the towers and the last kills
        // leave in any wave, not a pile that grows with the waves.
        // Every tower shoots at a lone boss, so each may have a last shot in
        // the air when she falls.
        EXPECT_LE(r.projectilesAfter, earlyProjectilesPeak + (r.boss ? r.buildings : 0));
        EXPECT_LE(r.effectsAfter, early.effectsPeak + 2 * r.number + 14);
    }
}

} // namespace
