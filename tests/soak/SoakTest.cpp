// A hundred waves on the shipped data/, with towers sold and built all the
// while. Under the sanitizer build this is where leaks and slow corruption
// show; here it checks that the lists fill and drain with every wave rather
// than creep upwards.

#include "soak/SoakGame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kWaves = 100;

class Soak : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Engine& engine = Engine::instance();
        ASSERT_TRUE(engine.settings.load("data/strings.txt")) << "run from the repository root";
        engine.canvas = new Canvas(320, 240);
        engine.loadCatalogue();
        ASSERT_TRUE(engine.checkCatalogue().empty());
    }
};

TEST_F(Soak, AHundredWavesComeAndGoWithTheListsDrainingAfterEach) {
    std::vector<WaveRecord> records;
    {
        SoakGame game;
        ASSERT_TRUE(
            game.playThroughWave(kWaves, [&](const WaveRecord& r) { records.push_back(r); }))
            << "wave " << game.session->waveNumber << " never ended";
        EXPECT_FALSE(game.session->gameOver);
        // Every kind of tower is standing at the end, after a hundred sales.
        std::vector<int> types(3, 0);
        for (const Building* building : game.session->buildings)
            ++types[building->type];
        EXPECT_GT(types[0], 0);
        EXPECT_GT(types[1], 0);
        EXPECT_GT(types[2], 0);
    }

    ASSERT_EQ(records.size(), static_cast<size_t>(kWaves));
    const WaveRecord& early = records[1];
    for (const WaveRecord& r : records) {
        SCOPED_TRACE("wave " + std::to_string(r.number));
        EXPECT_EQ(r.invadersPeak, static_cast<size_t>(2 * r.number + 14));
        EXPECT_GT(r.projectilesPeak, 0u);
        EXPECT_GT(r.effectsPeak, 0u);
        EXPECT_EQ(r.buildings, 9u);
        // What is left when a wave ends is what the towers and the last kills
        // leave in any wave, not a pile that grows with the waves.
        EXPECT_LE(r.projectilesAfter, early.projectilesPeak);
        EXPECT_LE(r.effectsAfter, early.effectsPeak + 2 * r.number + 14);
    }
}

} // namespace
