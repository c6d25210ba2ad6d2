// A scripted player on the real data/ and strings.txt: it builds towers at
// fixed places as soon as it can afford them and lets the game run at a
// steady frame rate. The outcome guards the balance of strings.txt as much
// as it guards the code: a change of prices, damage or health that makes the
// first waves unwinnable, or winnable without a single tower, fails here.

#include "app/Engine.h"
#include "defences/Building.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"
#include "invaders/Wave.h"
#include "support/EngineScope.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr double kFrameTime = 1.0 / 60.0;
// Long enough for any wave of the first few to march all the way down.
constexpr int kFrameLimit = 60 * 60 * 20;

struct Placement {
    int type; // 0 laser turret, 1 missile turret, 2 tesla coil
    int x;    // where the player clicks on the ground
};

// Lasers first, since they are cheap, then a tesla coil and missiles in
// between. The places are well apart, so every one of them fits.
const std::vector<Placement> kBuildOrder = {
    {0, 80},  {0, 240}, {2, 160}, {1, 120}, {0, 40},  {0, 280},
    {2, 200}, {1, 20},  {0, 60},  {0, 260}, {2, 300}, {1, 180},
};

// What one game came to.
struct Outcome {
    int wavesCleared = 0; // waves the player saw emptied
    int bounties = 0;     // money earned by kills
    int healthAfterWave1 = -1;
    int towersBuilt = 0;
    bool lost = false;
    int lostInWave = 0;
};

class PlaythroughTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { loadShippedGame(); }

    void SetUp() override {
        session = new GameSession;
        session->start();
        screen = new PlayfieldScreen(*session);
    }

    void TearDown() override {
        delete screen;
        delete session;
    }

    // Plays until the given wave starts (or the game is lost), building from
    // the build order whenever the money is there.
    Outcome play(const std::vector<Placement>& buildOrder, int untilWave) {
        Outcome outcome;
        size_t next = 0;
        int spent = 0;
        const int startingMoney = session->money;
        for (int frame = 0; frame < kFrameLimit; ++frame) {
            while (next < buildOrder.size() && build(buildOrder[next], spent)) {
                ++next;
                ++outcome.towersBuilt;
            }

            const int waveBefore = session->waveNumber;
            session->update(kFrameTime);
            screen->draw();

            if (session->waveNumber > waveBefore) {
                ++outcome.wavesCleared;
                if (waveBefore == 1)
                    outcome.healthAfterWave1 = session->health;
            }
            if (session->gameOver) {
                outcome.lost = true;
                outcome.lostInWave = session->waveNumber;
                break;
            }
            if (session->waveNumber >= untilWave)
                break;
        }
        outcome.bounties = session->money + spent - startingMoney;
        return outcome;
    }

    // Places the tower if the player can afford it and it fits there.
    bool build(const Placement& placement, int& spent) {
        const int price = engine.towerDefs[placement.type].value;
        if (session->money < price)
            return false;
        EXPECT_TRUE(session->fits(placement.type, placement.x)) << "tower at " << placement.x;
        session->build(placement.type, placement.x);
        spent += price;
        return true;
    }

    EngineScope scope;
    Engine& engine = scope.engine;
    FakePlatform& platform = scope.platform;
    GameSession* session = nullptr;
    PlayfieldScreen* screen = nullptr;
};

TEST_F(PlaythroughTest, ADefendedGroundHoldsTheFirstFiveWaves) {
    const Outcome outcome = play(kBuildOrder, 6);

    EXPECT_FALSE(outcome.lost) << "lost in wave " << outcome.lostInWave;
    EXPECT_GE(outcome.wavesCleared, 5);
    // The bounties of five waves buy one of each type beside the opening.
    EXPECT_GE(outcome.towersBuilt, 4);
    // Wave 1 brings 16 squibbles; most must fall to the towers.
    EXPECT_GE(outcome.healthAfterWave1, session->maxHealth - 4);
    EXPECT_GE(outcome.bounties, 16 * engine.invaderDefs[0].value * 3 / 4);
    // Every kind of tower has been bought and is still standing.
    std::vector<int> types(3, 0);
    for (const Building* building : session->buildings)
        ++types[building->type];
    EXPECT_GT(types[0], 0);
    EXPECT_GT(types[1], 0);
    EXPECT_GT(types[2], 0);
}

// The openings a new player might try: the starting money buys each, and each
// alone lets no squibble of the first wave through.
TEST_F(PlaythroughTest, EachOpeningTheStartingMoneyBuysHoldsTheFirstWave) {
    const std::vector<std::vector<Placement>> openings = {
        {{0, 90}, {0, 230}}, // two lasers, some way apart
        {{1, 160}},          // one missile turret
        {{2, 160}},          // one tesla coil
    };
    for (const std::vector<Placement>& opening : openings) {
        SCOPED_TRACE("opening with tower type " + std::to_string(opening[0].type));
        TearDown();
        SetUp();
        const Outcome outcome = play(opening, 2);
        EXPECT_EQ(outcome.towersBuilt, static_cast<int>(opening.size()));
        EXPECT_FALSE(outcome.lost);
        EXPECT_EQ(outcome.wavesCleared, 1);
        EXPECT_EQ(outcome.healthAfterWave1, session->maxHealth);
    }
}

TEST_F(PlaythroughTest, AnUndefendedGroundIsLostWithinTwoWaves) {
    const Outcome outcome = play({}, 10);

    EXPECT_TRUE(outcome.lost);
    EXPECT_LE(outcome.lostInWave, 2);
    EXPECT_EQ(outcome.bounties, 0);
    EXPECT_EQ(session->health, 0);
}

} // namespace
