// Start-up refuses a catalogue it could not draw with. These tests load
// catalogues of their own into the engine, so they live in a program of
// their own.

#include "app/Engine.h"
#include "app/Storage.h"
#include "gfx/SpriteSheet.h"
#include "support/Headless.h"
#include "support/TestCatalogue.h"

#include <allegro.h>

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Copies the test catalogue to a new folder, lets the test break it, then
// loads it into the engine from there and returns what the check reports.
template <typename Breaker> std::vector<std::string> checkBroken(Breaker breakIt) {
    const std::string copy = makeTempFolder();
    std::filesystem::copy(testCatalogue::folder(), copy, std::filesystem::copy_options::recursive);
    breakIt(copy + "/data/");

    return Engine::instance().loadData(copy + "/data");
}

bool mentions(const std::vector<std::string>& problems, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(), [&](const std::string& problem) {
        return problem.find(text) != std::string::npos;
    });
}

} // namespace

TEST(CatalogueCheck, ACompleteCatalogueHasNoProblems) {
    EXPECT_TRUE(checkBroken([](const std::string&) {}).empty());
    const Engine& engine = Engine::instance();
    // "Game Over" in the test's red font: 9 glyphs of 3 + 1, and 2 to spare.
    ASSERT_NE(engine.gameOverCaption, nullptr);
    EXPECT_EQ(engine.gameOverCaption->w, 38);
    EXPECT_EQ(engine.gameOverCaption->h, 10);
    EXPECT_EQ(engine.towerDefs[1].name, "Missile");
    EXPECT_EQ(engine.towerDefs[1].value, 40);
    EXPECT_TRUE(engine.towerDefs[1].available);
    EXPECT_EQ(engine.invaderDefs[0].healthIncrease, 2.5);
    EXPECT_EQ(engine.towerBaseline, testCatalogue::kTowerBaseline);
}

// Named where the game looked for them, in the mod's own folder, which need
// not be called data/; the settings may name a file with or without "data/".
TEST(CatalogueCheck, EveryBadFileIsNamedOnALineOfItsOwn) {
    std::string folder;
    const std::vector<std::string> problems = checkBroken([&folder](const std::string& data) {
        folder = data;
        FILE* strings = std::fopen((data + "strings.txt").c_str(), "a");
        // A Broodmother with no pace of her own would never end her wave.
        std::fputs("FontMain=font_main.mz\nFontSmall=font_small.mz\n"
                   "Invader4Sprite=squibble.sz\nInvader4Speed=0\n",
                   strings);
        std::fclose(strings);
        std::remove((data + "cloud3.mz").c_str());
        std::remove((data + "poof.sz").c_str());
        std::remove((data + "font_small.mz").c_str());
        // Never drawn, so never refused.
        std::remove((data + "laser_medium.mz").c_str());
        std::remove((data + "puff1.sz").c_str());
        // A font of one glyph, the blank: what it lacks is skipped.
        const Rgb border{0, 255, 255};
        writeGzipFile(
            data + "font_small_red.mz",
            packedImageBytes(
                3, 3, {border, border, border, border, {1, 2, 3}, border, border, border, border}));
        writeGzipFile(data + "selector.mz", {0x01}); // cut short in its header
        // A missile sheet with fewer than its 16 directions.
        writeGzipFile(data + "missile.sz",
                      sheetBytes(solidImageBytes(2, 2, {1, 2, 3}), {{0, 0, 2, 2}}, {{1.0f, {0}}}));
    });
    EXPECT_EQ(problems.size(), 6u);
    EXPECT_TRUE(mentions(problems, "Invader4Speed: "));
    EXPECT_TRUE(mentions(problems, folder + "cloud3.mz: "));
    EXPECT_TRUE(mentions(problems, folder + "poof.sz: "));
    EXPECT_TRUE(mentions(problems, "FontSmall (" + folder + "font_small.mz): "));
    EXPECT_TRUE(mentions(problems, folder + "selector.mz: "));
    EXPECT_TRUE(mentions(problems, folder + "missile.sz: has 1 animations, the game plays 16"));
}

TEST(CatalogueCheck, UnavailableAndMissingKeysReadAsTheSettingsSay) {
    const std::vector<std::string> problems = checkBroken([](const std::string& data) {
        FILE* strings = std::fopen((data + "strings.txt").c_str(), "a");
        // The missile turret is switched off and its sheet dropped: nothing draws it.
        std::fputs("Tower2Available=none\nTower3Available=5\nTower1Name=\nInvader2Value=99\n"
                   "Tower1Sprite=\nTower2Sprite=\n",
                   strings);
        std::fclose(strings);
    });
    const Engine& engine = Engine::instance();
    EXPECT_FALSE(engine.towerDefs[1].available);
    EXPECT_TRUE(engine.towerDefs[2].available);
    EXPECT_EQ(engine.towerDefs[0].name, "");
    EXPECT_EQ(engine.invaderDefs[0].value, 5);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(mentions(problems, "Tower1Sprite ()"));
}

// A difficulty lays its file's keys over strings.txt and reads the numbers
// again, pictures kept, with a record of its own; a folder without the file
// plays it as strings.txt stands, under Normal's record. A key strings.txt
// lacks, or one that names a file, is refused at start-up.
TEST(CatalogueCheck, ADifficultyLaysItsKeysOverStringsTxtWithARecordOfItsOwn) {
    struct AskedRecords : Storage {
        Records* records(const std::string& settingsBytes) override {
            asked.push_back(settingsBytes);
            return nullptr;
        }
        std::vector<std::string> asked;
    };
    std::string folder;
    ASSERT_TRUE(checkBroken([&folder](const std::string& data) {
                    folder = data;
                    std::ofstream(data + "hard.txt") << "# fewer dollars\nStartingMoney=5\n"
                                                        "Tower1Value=99\n";
                }).empty());
    Engine& engine = Engine::instance();
    AskedRecords storage;
    Storage* const before = engine.storage;
    engine.storage = &storage;
    const int normalMoney = engine.settings.getInt("StartingMoney");

    EXPECT_TRUE(engine.useDifficulty(Difficulty::Hard).empty());
    EXPECT_EQ(engine.settings.getInt("StartingMoney"), 5);
    EXPECT_EQ(engine.towerDefs[0].value, 99);
    EXPECT_NE(engine.towerDefs[0].sprite, nullptr);
    EXPECT_TRUE(engine.useDifficulty(Difficulty::Easy).empty());
    EXPECT_EQ(engine.settings.getInt("StartingMoney"), normalMoney);
    EXPECT_EQ(engine.towerDefs[0].value, testCatalogue::towerValue(0));

    std::ifstream strings(folder + "strings.txt", std::ios::binary);
    const std::string stringsBytes{std::istreambuf_iterator<char>(strings),
                                   std::istreambuf_iterator<char>()};
    ASSERT_EQ(storage.asked.size(), 2u);
    EXPECT_NE(storage.asked[0], stringsBytes);
    EXPECT_EQ(storage.asked[1], stringsBytes) << "Normal's record lost its name";
    engine.useDifficulty(Difficulty::Normal);
    engine.storage = before;

    const std::vector<std::string> problems = checkBroken([](const std::string& data) {
        std::ofstream(data + "easy.txt") << "StartingMony=500\nTower1Sprite=laser.sz\n";
    });
    EXPECT_EQ(problems.size(), 2u);
    EXPECT_TRUE(mentions(problems, "easy.txt: StartingMony "));
    EXPECT_TRUE(mentions(problems, "easy.txt: Tower1Sprite "));
}
