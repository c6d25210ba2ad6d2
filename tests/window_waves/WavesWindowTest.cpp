#include "window/GameFolder.h"
#include "window/RunningGame.h"
#include "window/TempFolder.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

bool grey(std::uint32_t rgb) {
    const std::uint32_t r = rgb >> 16 & 0xff, g = rgb >> 8 & 0xff, b = rgb & 0xff;
    return r == g && g == b;
}

// Canvas pixels in the rectangle that differ from the same pixels of another
// picture, or, without one, that are in colour.
int changed(const Screenshot& shot, const Screenshot* before, int left, int top, int right,
            int bottom) {
    int count = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const std::uint32_t now = shot.canvasPixel(x, y);
            if (before ? now != before->canvasPixel(x, y) : !grey(now))
                ++count;
        }
    return count;
}

// The sky and the ground beside the dialog: all grey once the game is lost.
bool playfieldIsGrey(const Screenshot& shot) {
    for (int y = 100; y < 215; y += 3)
        for (int x = 4; x < 316; x += 3) {
            const bool besideDialog = x > 100 && x < 220;
            if (!besideDialog && !grey(shot.canvasPixel(x, y)))
                return false;
        }
    return true;
}

// Where the wave's title stands, centred on (160, 80) at twice its size.
constexpr int kTitleLeft = 110, kTitleTop = 70, kTitleRight = 210, kTitleBottom = 100;
// The right end of the health bar's fill: uncovered once a point is lost.
constexpr int kHealthBarEndX = 61, kHealthBarY = 224;

} // namespace

TEST(Waves, UndefendedWavesReachTheBottomAndTheGameIsLost) {
    GameFolder folder;
    VirtualDisplay display;
    RunningGame game(&display, folder.path());
    GameWindow& window = game.window();
    const Screenshot start = window.screenshot();

    // The countdown runs out and the title comes in.
    bool titled = false;
    for (int poll = 0; poll < 400 && !titled; ++poll) {
        window.waitForFrames(3);
        const Screenshot shot = window.screenshot();
        if (changed(shot, &start, kTitleLeft, kTitleTop, kTitleRight, kTitleBottom) > 100) {
            titled = true;
            window.waitForFrames(20); // let it unfold and hop
            window.screenshot().save(screenshotPath("waves-title"));
        }
    }
    ASSERT_TRUE(titled) << "no wave title within the countdown";

    // Eight times as fast, the squibbles march down and get through.
    window.holdKey("Tab");
    const auto held = std::chrono::steady_clock::now();
    bool marchSaved = false;
    bool healthFell = false;
    bool lost = false;
    int escapesSaved = 0;
    while (!lost && std::chrono::steady_clock::now() < held + std::chrono::seconds(200)) {
        window.waitForFrames(10);
        const Screenshot shot = window.screenshot();
        lost = playfieldIsGrey(shot);
        const bool fell = !lost && shot.canvasPixel(kHealthBarEndX, kHealthBarY) !=
                                       start.canvasPixel(kHealthBarEndX, kHealthBarY);
        healthFell = healthFell || fell;
        if (!marchSaved && std::chrono::steady_clock::now() > held + std::chrono::seconds(4)) {
            shot.save(screenshotPath("waves-march"));
            marchSaved = true;
            // The same with the debug overlay: each squibble's health at its corner.
            window.pressKey("d");
            window.screenshot().save(screenshotPath("waves-march-debug"));
            window.pressKey("d");
        }
        // The first pictures of lost points, to look at the poofs and the "-1"s.
        if (fell && escapesSaved < 6)
            shot.save(screenshotPath("waves-escape-" + std::to_string(escapesSaved++)));
    }
    window.releaseKey("Tab");
    ASSERT_TRUE(lost) << "the game was not lost in time";
    EXPECT_TRUE(healthFell);

    // Grey playfield, the caption and the dialog in colour.
    window.waitForFrames(5);
    const Screenshot over = window.screenshot();
    over.save(screenshotPath("waves-game-over"));
    EXPECT_TRUE(playfieldIsGrey(over));
    EXPECT_GT(changed(over, nullptr, 100, 50, 220, 72), 20) << "no caption in colour";
    EXPECT_GT(changed(over, nullptr, 120, 74, 200, 82), 5) << "no waves-defeated line in colour";
    EXPECT_GT(changed(over, nullptr, 140, 110, 180, 128), 5) << "no dialog buttons";

    // "No" to another game ends this one. The game ends while the click still
    // waits to see it drawn, which the harness reports as an error; the exit
    // status tells whether it was right.
    try {
        window.clickCanvas(layout::kNoAnswer);
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(game.waitForExit(), 0);
}

namespace {

// Holds Tab until the playfield turns grey, and returns the game-over screen.
Screenshot loseAtFullSpeed(GameWindow& window) {
    window.holdKey("Tab");
    const auto held = std::chrono::steady_clock::now();
    bool lost = false;
    while (!lost && std::chrono::steady_clock::now() < held + std::chrono::seconds(60)) {
        window.waitForFrames(5);
        lost = playfieldIsGrey(window.screenshot());
    }
    window.releaseKey("Tab");
    window.waitForFrames(3);
    if (!lost)
        throw std::runtime_error("the game was not lost in time");
    return window.screenshot();
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The prefix of every kind's keys in the folder's settings: "Invader1", ...
std::vector<std::string> kindsIn(const GameFolder& folder) {
    std::ifstream settings(std::filesystem::path(folder.path()) / "data" / "strings.txt");
    std::vector<std::string> kinds;
    std::string line;
    while (std::getline(settings, line)) {
        const std::size_t end = line.find("Health=");
        const bool digits = end > 7 && line.find_first_not_of("0123456789", 7) == end;
        if (line.rfind("Invader", 0) == 0 && end != std::string::npos && digits)
            kinds.push_back(line.substr(0, end));
    }
    return kinds;
}

// The status display at the bottom left: health and money, left of the readout.
constexpr int kStatusLeft = 0, kStatusTop = 218, kStatusWidth = layout::kReadoutLeft - 2,
              kStatusHeight = 21;
// The lost game's best under the waves it defeated.
constexpr int kBestLeft = 110, kBestWidth = 100, kBestHeight = 9;

} // namespace

// Three waves that die as they come (their squibbles' health is 0 or less),
// then a fourth that marches fast and costs the only point of health: each
// game is lost with three waves defeated in a few seconds.
TEST(Waves, EnterPlaysAgainFromTheStartAndTheSecondGameShowsTheFirstOnesRecord) {
    GameFolder folder;
    folder.setSetting("StartingHealth", "1");
    folder.setSetting("TimeBetweenWaves", "0.2");
    // Every kind the settings have, so that a kind added to the data dies as
    // the squibbles do.
    for (const std::string& kind : kindsIn(folder)) {
        folder.setSetting(kind + "Health", "-2");
        folder.setSetting(kind + "HealthIncrease", "1");
    }
    folder.setSetting("Wave1SpeedBase", "60");
    folder.setSetting("Wave1SpeedMax", "60");
    TempFolder records;
    RunningGame::Options options;
    options.environment["XDG_DATA_HOME"] = records.path();
    VirtualDisplay display;
    RunningGame game(&display, folder.path(), options);
    GameWindow& window = game.window();
    const Screenshot firstStart = window.screenshot();

    const Screenshot firstOver = loseAtFullSpeed(window);
    firstOver.save(screenshotPath("Waves.firstLoss"));
    const std::filesystem::path recordFolder = std::filesystem::path(records.path()) / "groundline";
    std::string record;
    for (const auto& entry : std::filesystem::directory_iterator(recordFolder))
        record = readFile(entry.path());
    EXPECT_NE(record.find("bestWaves=3\n"), std::string::npos) << "no record left: " << record;

    window.pressKey("Return");
    window.waitForFrames(3);
    const Screenshot secondStart = window.screenshot();
    secondStart.save(screenshotPath("Waves.playAgain"));
    EXPECT_FALSE(playfieldIsGrey(secondStart));
    EXPECT_EQ(firstStart.changedCanvasPixels(secondStart, kStatusLeft, kStatusTop, kStatusWidth,
                                             kStatusHeight),
              0)
        << "not the starting health and money";
    EXPECT_GT(firstStart.changedCanvasPixels(secondStart, layout::kReadout.x, layout::kReadout.y,
                                             layout::kReadout.width, layout::kReadout.height),
              5)
        << "the readout does not show the first game's best";

    // The first loss was a new best; the second only equals it.
    const Screenshot secondOver = loseAtFullSpeed(window);
    secondOver.save(screenshotPath("Waves.secondLoss"));
    EXPECT_GT(firstOver.changedCanvasPixels(secondOver, kBestLeft, layout::kGameOverBestY,
                                            kBestWidth, kBestHeight),
              20);

    window.pressKeyToEnd("n");
    EXPECT_EQ(game.waitForExit(), 0);
    EXPECT_EQ(game.errorOutput(), "");
}
