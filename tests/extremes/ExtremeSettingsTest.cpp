// Absurd numbers in strings.txt, one at a time: each game must play a few
// waves through without an int wrapping round. The sanitizer build turns any
// overflow into a failure; the checks below catch the wrapped results that a
// plain build would otherwise play on with.

#include "app/Engine.h"
#include "game/GameSession.h"
#include "invaders/Squibble.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace {

// Eight times the speed of 60 frames a second, as with Tab held.
constexpr double kFrameTime = 8.0 / 60.0;
constexpr int kFrameLimit = 20000;
constexpr int kWavesToPlay = 3;

// What one game came to, for the checks of each value.
struct Played {
    std::vector<int> waveHealth; // the health squibbles of waves 1, 2 and 3 are born with
    int lowestMoney = INT_MAX;
    int highestMoney = INT_MIN;
    int wavesCleared = 0;
};

struct Extreme {
    const char* key;
    const char* value;
    std::function<void(const Played&)> check;
};

std::ostream& operator<<(std::ostream& out, const Extreme& extreme) {
    return out << extreme.key << "=" << extreme.value;
}

// Plain settings that keep every game short and let it run to the end:
// money for every tower, health for every escape, waves that come at once.
void settleTheRest(Settings& settings) {
    settings.set("StartingMoney", "100000");
    settings.set("StartingHealth", "1000");
    settings.set("Invader1Health", "10");
    settings.set("TimeBetweenWaves", "0.5");
    settings.set("Wave1SpeedBase", "300");
    settings.set("Wave1SpeedMax", "300");
}

class ExtremeSettingsTest : public ::testing::TestWithParam<Extreme> {
  protected:
    void SetUp() override {
        saved = engine.platform;
        engine.platform = &platform;
        ASSERT_TRUE(engine.settings.load("data/strings.txt")) << "run from the repository root";
        settleTheRest(engine.settings);
        engine.settings.set(GetParam().key, GetParam().value);
        if (!engine.canvas)
            engine.canvas = new Canvas(320, 240);
        // Fonts, prices and health are read into the catalogue.
        engine.loadCatalogue();

        session = new GameSession;
        engine.setSession(session);
        session->start();
        session->debugOverlay = true;
    }

    void TearDown() override {
        engine.setSession(nullptr);
        delete session;
        engine.platform = saved;
    }

    // One tower of each type along the ground, the laser sold again at once
    // and bought back, then waves until a few are cleared or the game is lost.
    Played play() {
        Played played;
        const int places[3] = {80, 160, 240};
        for (int type = 0; type < 3; ++type) {
            build(type, places[type]);
            note(played);
        }
        session->selectedBuilding = session->buildings.front();
        session->demolishSelected();
        note(played);
        build(0, places[0]);
        note(played);

        for (int frame = 0; frame < kFrameLimit && !session->gameOver; ++frame) {
            const int waveBefore = session->waveNumber;
            session->update(kFrameTime);
            session->draw();
            note(played);
            if (session->waveNumber > waveBefore && ++played.wavesCleared == kWavesToPlay)
                break;
        }
        const int waveNumber = session->waveNumber;
        for (session->waveNumber = 1; session->waveNumber <= kWavesToPlay; ++session->waveNumber)
            played.waveHealth.push_back(Squibble().maxHealth);
        session->waveNumber = waveNumber;
        return played;
    }

    // Only what the player can afford, as the build buttons allow.
    void build(int type, int x) {
        if (session->money < engine.towerDefs[type].value)
            return;
        session->placingType = type;
        engine.mouseX = x;
        session->placeBuilding();
    }

    void note(Played& played) const {
        played.lowestMoney = std::min(played.lowestMoney, session->money);
        played.highestMoney = std::max(played.highestMoney, session->money);
    }

    Engine& engine = Engine::instance();
    FakePlatform platform;
    Platform* saved = nullptr;
    GameSession* session = nullptr;
};

// The first wave's health, as settled above.
constexpr int kBaseHealth = 10;

void playsThrough(const Played& played) {
    EXPECT_EQ(played.wavesCleared, kWavesToPlay);
}

void moneyNeverWraps(const Played& played) {
    playsThrough(played);
    EXPECT_GE(played.lowestMoney, 0);
}

const Extreme kExtremes[] = {
    // A price below any int: buying pays, up to the most money there is.
    {"Tower1Value", "-9999999999",
     [](const Played& played) {
         moneyNeverWraps(played);
         EXPECT_EQ(played.highestMoney, INT_MAX);
     }},
    {"Tower2Value", "9999999999", moneyNeverWraps},
    {"StartingMoney", "9999999999", moneyNeverWraps},
    {"Invader1Value", "9999999999",
     [](const Played& played) {
         moneyNeverWraps(played);
         EXPECT_EQ(played.highestMoney, INT_MAX);
     }},
    // Growth beyond an int is the most health there is; growth that is not
    // a number adds nothing.
    {"Invader1HealthIncrease", "1e10",
     [](const Played& played) {
         ASSERT_EQ(played.waveHealth.size(), 3u);
         EXPECT_EQ(played.waveHealth[0], kBaseHealth);
         EXPECT_EQ(played.waveHealth[1], INT_MAX);
     }},
    {"Invader1HealthIncrease", "inf",
     [](const Played& played) {
         ASSERT_EQ(played.waveHealth.size(), 3u);
         EXPECT_EQ(played.waveHealth[0], kBaseHealth);
         EXPECT_EQ(played.waveHealth[2], INT_MAX);
     }},
    {"Invader1HealthIncrease", "nan",
     [](const Played& played) {
         ASSERT_EQ(played.waveHealth.size(), 3u);
         EXPECT_EQ(played.waveHealth[1], kBaseHealth);
     }},
    {"Invader1HealthIncrease", "-1e10", playsThrough},
    {"Invader1Health", "9999999999",
     [](const Played& played) {
         ASSERT_EQ(played.waveHealth.size(), 3u);
         EXPECT_EQ(played.waveHealth[2], INT_MAX);
     }},
    {"Invader1Health", "-9999999999", playsThrough},
    {"StartingHealth", "9999999999", playsThrough},
    {"Tower1DamageBase", "-9999999999", playsThrough},
    {"Tower1DamageBase", "9999999999", playsThrough},
    {"Tower2DamageSplashBase", "-9999999999", playsThrough},
    {"Tower3DamageBase", "-1e300", playsThrough},
    {"FontMainKerning", "9999999999", playsThrough},
    {"FontSmallKerning", "-9999999999", playsThrough},
    {"FontMainRedKerning", "-9999999999", playsThrough},
    {"TowerBaseline", "9999999999", playsThrough},
    {"TowerBaseline", "-9999999999", playsThrough},
    {"ButtonSpacing", "9999999999", playsThrough},
    {"ButtonSpacing", "-9999999999", playsThrough},
    {"Tower1Width", "9999999999", playsThrough},
    {"Tower1Width", "-9999999999", playsThrough},
};

} // namespace

TEST_P(ExtremeSettingsTest, PlaysAFewWavesWithoutWrapping) {
    GetParam().check(play());
}

INSTANTIATE_TEST_SUITE_P(OneValueAtATime, ExtremeSettingsTest, ::testing::ValuesIn(kExtremes));
