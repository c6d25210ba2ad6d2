// data/strings.txt: every key the game reads, with values for a good game.

#include "ShippedData.h"

#include "app/Settings.h"
#include "game/TowerType.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace shippedData;

TEST(Strings, DefineEveryKeyTheGameReads) {
    const char* const keys[] = {"WindowTitle",        "TimestepThreshold",
                                "FontMain",           "FontMainRed",
                                "FontSmall",          "FontSmallRed",
                                "FontMainKerning",    "FontMainRedKerning",
                                "FontSmallKerning",   "FontSmallRedKerning",
                                "Invader1Value",      "Invader1Sprite",
                                "Invader1Health",     "Invader1HealthIncrease",
                                "Invader1Size",       "TowerBaseline",
                                "ButtonSpacing",      "StartingHealth",
                                "StartingMoney",      "TimeBetweenWaves",
                                "Tower1FreqBase",     "Tower1DamageBase",
                                "LaserSpeedBase",     "Tower2FreqBase",
                                "Tower2DamageBase",   "Tower2DamageSplashBase",
                                "Tower2SplashRadius", "MissileSpeedBase",
                                "MissileSteeringMax", "MissileSteeringResponse",
                                "MissileLife",        "Tower3FreqBase",
                                "Tower3RangeBase",    "Tower3DamageBase",
                                "Wave1SpeedBase",     "Wave1SpeedIncrease",
                                "Wave1SpeedMax"};
    for (const char* key : keys)
        EXPECT_FALSE(settings().get(key).empty()) << key;
    for (const TowerType& type : towerTypes()) {
        const std::string tower = "Tower" + std::to_string(type.settingsNumber);
        for (const char* pattern : {"Name", "Value", "Sprite", "Width", "Available"})
            EXPECT_FALSE(settings().get(tower + pattern).empty()) << tower << pattern;
        EXPECT_TRUE(std::filesystem::exists(settings().get(tower + "Sprite"))) << tower;
    }
    // Every file a key names is there.
    for (const char* key :
         {"FontMain", "FontMainRed", "FontSmall", "FontSmallRed", "Invader1Sprite"})
        EXPECT_TRUE(std::filesystem::exists(settings().get(key))) << key;
}

TEST(Strings, TuneASmoothGameThatPaysForItsTowers) {
    const Settings& s = settings();
    EXPECT_NEAR(s.getReal("TimestepThreshold"), 1.0 / 60.0, 0.001);
    EXPECT_GT(s.getInt("StartingHealth"), 0);
    for (int n = 1; n <= 3; ++n) {
        const std::string tower = "Tower" + std::to_string(n);
        EXPECT_NE(s.getInt(tower + "Available"), 0) << tower;
        EXPECT_GT(s.getReal(tower + "FreqBase"), 0.0) << tower;
        EXPECT_GT(s.getInt(tower + "Width"), 0) << tower;
    }
    // The cheapest tower first: the starting money buys lasers enough to
    // cover the whole first wave, whose block sways only some 70 pixels while
    // each laser shoots straight up, or one of the dearer towers instead; the
    // first three waves' bounties buy another laser.
    const int laser = s.getInt("Tower1Value");
    constexpr int kLasersToCoverABlock = 3;
    EXPECT_GE(s.getInt("StartingMoney"), kLasersToCoverABlock * laser);
    EXPECT_GE(s.getInt("StartingMoney"), s.getInt("Tower2Value"));
    EXPECT_GE(s.getInt("StartingMoney"), s.getInt("Tower3Value"));
    EXPECT_LT(laser, s.getInt("Tower2Value"));
    EXPECT_LT(laser, s.getInt("Tower3Value"));
    constexpr int kFirstWave = 16;
    constexpr int kFirstThreeWaves = kFirstWave + 18 + 20;
    EXPECT_GE(kFirstThreeWaves * s.getInt("Invader1Value"), laser);

    // Those lasers deal the first wave's health well within the time the
    // wave needs to come down (about 14 descents and traverses).
    const double laserDamagePerSecond = s.getInt("Tower1DamageBase") / s.getReal("Tower1FreqBase");
    const double firstWaveHealth = kFirstWave * s.getInt("Invader1Health");
    const double firstWaveSeconds = 14 * (16 + 67) / s.getReal("Wave1SpeedBase");
    EXPECT_LT(firstWaveHealth / laserDamagePerSecond, firstWaveSeconds / 2);

    // Waves grow tougher and faster, up to a limit.
    EXPECT_GT(s.getReal("Invader1HealthIncrease"), 0.0);
    EXPECT_GT(s.getReal("Wave1SpeedIncrease"), 0.0);
    EXPECT_GT(s.getReal("Wave1SpeedMax"), s.getReal("Wave1SpeedBase"));
    EXPECT_GE(s.getReal("MissileSteeringMax") * s.getReal("MissileSteeringResponse"), 0.0);
    EXPECT_LT(s.getReal("MissileSteeringMax") * s.getReal("MissileSteeringResponse"), 1.0)
        << "a missile turning hard still flies forwards";
}
