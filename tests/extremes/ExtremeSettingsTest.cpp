// Absurd numbers in strings.txt, one at a time: each game must play a few
// waves through without an int wrapping round. The sanitizer build turns any
// overflow into a failure; the checks below catch the wrapped results that a
// plain build would otherwise play on with. Every number of the shipped file
// is swept as well, so that a new key is covered the day it is added.

#include "app/Engine.h"
#include "defences/Building.h"
#include "defences/Projectile.h"
#include "game/GameSession.h"
#include "game/Layout.h"
#include "game/PlayfieldScreen.h"
#include "game/TowerType.h"
#include "invaders/Squibble.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Eight times the speed of 60 frames a second, as with Tab held.
constexpr double kFrameTime = 8.0 / 60.0;
// Three ordinary waves take some 70 frames; a swept value that stops the
// waves plays this long instead.
constexpr int kFrameLimit = 300;
constexpr int kWavesToPlay = 3;

// Not looked at.
constexpr int kAny = 0;

struct Extreme {
    std::string key;
    std::string value;
    // The health squibbles of waves 2 and 3 are born with.
    int wave2Health = kAny;
    int wave3Health = kAny;
    // Whether the money reaches the most there is.
    bool moneyTopsOut = false;
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
    settings.set("Wave1SpeedMax", "1e308");
}

class ExtremeSettingsTest : public ::testing::TestWithParam<Extreme> {
  protected:
    void SetUp() override {
        engine.dataFolder = "data";
        ASSERT_TRUE(engine.loadSettings().empty()) << "run from the repository root";
        settleTheRest(engine.settings);
        engine.settings.set(GetParam().key, GetParam().value);
        if (!engine.canvas)
            engine.canvas = new Canvas(layout::kCanvasWidth, layout::kCanvasHeight);
        // Fonts, prices and health are read into the catalogue.
        engine.loadCatalogue();

        session = new GameSession;
        session->start();
        session->debugOverlay = true;
        screen = new PlayfieldScreen(*session);
    }

    void TearDown() override {
        delete screen;
        delete session;
    }

    // One tower of each type along the ground, the laser sold again at once
    // and bought back, every level the money buys, then waves until a few are
    // cleared or the game is lost.
    // Notes the money after every step; returns the waves cleared.
    int play() {
        const auto place = [](int type) { return 80 * (type + 1); };
        for (int type = 0; type < towerTypeCount(); ++type)
            build(type, place(type));
        if (!session->buildings.empty())
            session->demolish(session->buildings.front());
        noteMoney();
        build(0, place(0));
        // Every level each tower can afford, as the upgrade button sells them.
        for (Building* building : session->buildings) {
            while (session->canUpgrade(building)) {
                session->upgrade(building);
                noteMoney();
            }
        }

        int wavesCleared = 0;
        for (int frame = 0; frame < kFrameLimit && !session->gameOver; ++frame) {
            const int waveBefore = session->waveNumber;
            session->update(kFrameTime);
            screen->draw();
            noteMoney();
            if (session->waveNumber > waveBefore && ++wavesCleared == kWavesToPlay)
                break;
        }
        return wavesCleared;
    }

    int bornHealth(int waveNumber) { return Squibble(0, waveNumber).maxHealth; }

    // Only what the player can afford and where it fits, as the build buttons
    // and the ground allow.
    void build(int type, int x) {
        if (session->money < engine.towerDefs[type].value || !session->fits(type, x))
            return;
        session->build(type, x);
        noteMoney();
    }

    void noteMoney() {
        lowestMoney = std::min(lowestMoney, session->money);
        highestMoney = std::max(highestMoney, session->money);
    }

    EngineScope scope;
    Engine& engine = scope.engine;
    GameSession* session = nullptr;
    PlayfieldScreen* screen = nullptr;
    int lowestMoney = INT_MAX;
    int highestMoney = 0;
};

// The first wave's health, as settled above.
constexpr int kBaseHealth = 10;

const Extreme kExtremes[] = {
    // A price below any int: buying pays, up to the most money there is.
    {"Tower1Value", "-9999999999", kAny, kAny, true},
    {"Tower2Value", "9999999999"},
    {"StartingMoney", "9999999999"},
    {"Invader1Value", "9999999999", kAny, kAny, true},
    // Growth beyond an int is the most health there is; growth that is not
    // a number adds nothing.
    {"Invader1HealthIncrease", "1e10", INT_MAX, INT_MAX},
    {"Invader1HealthIncrease", "inf", INT_MAX, INT_MAX},
    {"Invader1HealthIncrease", "nan", kBaseHealth, kBaseHealth},
    {"Invader1HealthIncrease", "-1e10"},
    {"Invader1Health", "9999999999", INT_MAX, INT_MAX},
    {"Invader1Health", "-9999999999"},
    {"StartingHealth", "9999999999"},
    {"Tower1DamageBase", "-9999999999"},
    {"Tower1DamageBase", "9999999999"},
    {"Tower2DamageSplashBase", "-9999999999"},
    {"Tower3DamageBase", "-1e300"},
    {"FontMainKerning", "9999999999"},
    {"FontSmallKerning", "-9999999999"},
    {"FontMainRedKerning", "-9999999999"},
    {"TowerBaseline", "9999999999"},
    {"TowerBaseline", "-9999999999"},
    {"ButtonSpacing", "9999999999"},
    {"ButtonSpacing", "-9999999999"},
    {"Tower1Width", "9999999999"},
    {"Tower1Width", "-9999999999"},
    // Squibbles and shots that would leave every int behind in one frame.
    {"Wave1SpeedBase", "1e308"},
    {"Wave1SpeedIncrease", "1e300"},
    {"LaserSpeedBase", "-1e308"},
    {"MissileSpeedBase", "1e308"},
    {"MissileSteeringResponse", "1e308"},
};

// Every key of the shipped file whose whole value reads as a number, at each
// value a slip of the finger or a wrapped tool most likely writes.
std::vector<Extreme> sweptExtremes() {
    const char* const values[] = {"2147483647", "-2147483648", "1e300", "-1e300", "nan", "-1"};
    std::vector<Extreme> extremes;
    std::ifstream file("data/strings.txt");
    for (std::string line; std::getline(file, line);) {
        const size_t equals = line.find('=');
        const std::string number = equals == std::string::npos ? "" : line.substr(equals + 1);
        char* end = nullptr;
        std::strtod(number.c_str(), &end);
        if (line[0] == '#' || number.empty() || *end != '\0')
            continue;
        for (const char* value : values)
            extremes.push_back({line.substr(0, equals), value});
    }
    return extremes;
}

// The games the sweep asks for cannot all be won or even played to a third
// wave: a health of -1 loses at once, a wave that marches at -1 never ends.
using SweptSettingsTest = ExtremeSettingsTest;

} // namespace

TEST_P(ExtremeSettingsTest, PlaysAFewWavesWithoutWrapping) {
    const Extreme& extreme = GetParam();
    EXPECT_EQ(play(), kWavesToPlay);
    // A shot still flying is somewhere near the canvas, not where no int
    // could place it on the screen.
    for (const Projectile* shot : session->projectiles) {
        EXPECT_LT(std::fabs(shot->x), 1e8);
        EXPECT_LT(std::fabs(shot->y), 1e8);
    }
    // Money that wrapped round goes negative.
    EXPECT_GE(lowestMoney, 0);
    EXPECT_EQ(highestMoney == INT_MAX, extreme.moneyTopsOut);
    // Whatever the growth, 0 times it adds nothing to the first wave.
    if (extreme.key != "Invader1Health") {
        EXPECT_EQ(bornHealth(1), kBaseHealth);
    }
    if (extreme.wave2Health != kAny) {
        EXPECT_EQ(bornHealth(2), extreme.wave2Health);
    }
    if (extreme.wave3Health != kAny) {
        EXPECT_EQ(bornHealth(3), extreme.wave3Health);
    }
}

INSTANTIATE_TEST_SUITE_P(OneValueAtATime, ExtremeSettingsTest, ::testing::ValuesIn(kExtremes));

// The sanitizer build stops the game at its first report.
TEST_P(SweptSettingsTest, PlaysWithoutAnyReport) {
    play();
}

INSTANTIATE_TEST_SUITE_P(EveryNumberOfTheShippedFile, SweptSettingsTest,
                         ::testing::ValuesIn(sweptExtremes()));
