#include "game/Layout.h"
#include "window/GameFolder.h"
#include "window/RunningGame.h"
#include "window/TempFolder.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

// The one save in the records' folder, and its bytes.
fs::path saveIn(const TempFolder& records) {
    for (const auto& entry : fs::directory_iterator(fs::path(records.path()) / "groundline"))
        if (entry.path().filename().string().rfind("save-", 0) == 0)
            return entry.path();
    return {};
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The line of the key, from "key=" to its end.
std::string lineOf(const std::string& text, const std::string& key) {
    const size_t start = text.find("\n" + key + "=") + 1;
    return text.substr(start, text.find('\n', start) - start);
}

// What the save brings back that the player sees, away from the drifting
// clouds and the towers' shots: the towers' feet on the ground, the health
// and money, the wave readout.
int changedPlay(const Screenshot& a, const Screenshot& b) {
    return a.changedCanvasPixels(b, 0, 200, layout::kCanvasWidth, 18) +
           a.changedCanvasPixels(b, 0, 218, 100, 21) +
           a.changedCanvasPixels(b, 220, 0, layout::kCanvasWidth - 220, 20);
}

} // namespace

// Started as a new player starts it: a game closed by the window's close
// button in wave 7's countdown is offered on the title at the next start,
// and goes on at wave 7 with the same towers, money and health. Wave 7 is
// reached by the test's own hand in the first game's save.
TEST(SavedGame, ClosedAtWaveSevenItContinuesAtWaveSeven) {
    GameFolder folder;
    folder.setSetting("TimeBetweenWaves", "100000");
    TempFolder records;
    RunningGame::Options options;
    options.title = true;
    options.environment["XDG_DATA_HOME"] = records.path();
    VirtualDisplay display;
    {
        RunningGame game(&display, folder.path(), options);
        game.window().pressKey("Return"); // Play
        game.window().waitForFrames(3);
        game.window().pressCloseButton();
        EXPECT_EQ(game.waitForExit(), 0);
    }
    const fs::path save = saveIn(records);
    ASSERT_FALSE(save.empty()) << "no save at the first countdown";
    std::string bytes = readFile(save);
    ASSERT_EQ(lineOf(bytes, "wave"), "wave=1");
    bytes.replace(bytes.find(lineOf(bytes, "wave")), 6, "wave=7");
    bytes.replace(bytes.find(lineOf(bytes, "money")), lineOf(bytes, "money").size(), "money=777");
    bytes.replace(bytes.find(lineOf(bytes, "health")), lineOf(bytes, "health").size(), "health=13");
    writeFile(save, bytes);

    Screenshot closed(0, 0, {});
    {
        RunningGame game(&display, folder.path(), options);
        GameWindow& window = game.window();
        window.screenshot().save(screenshotPath("SavedGame.title"));
        window.pressKey("Return"); // Continue, chosen for the player
        window.pressKey("1");
        window.clickCanvas(100, 180);
        window.pressKey("3");
        window.clickCanvas(220, 180);
        window.clickCanvas(20, 150, 3); // done placing
        window.moveMouse(0, 0);
        window.waitForFrames(3);
        closed = window.screenshot();
        closed.save(screenshotPath("SavedGame.closed"));
        window.pressCloseButton();
        EXPECT_EQ(game.waitForExit(), 0);
        EXPECT_EQ(game.errorOutput(), "");
    }
    bytes = readFile(save);
    EXPECT_EQ(lineOf(bytes, "wave"), "wave=7");
    EXPECT_EQ(lineOf(bytes, "health"), "health=13");
    EXPECT_NE(lineOf(bytes, "money"), "money=777") << "two towers were bought";

    RunningGame game(&display, folder.path(), options);
    GameWindow& window = game.window();
    window.pressKey("Return");
    window.moveMouse(0, 0);
    window.waitForFrames(3);
    const Screenshot continued = window.screenshot();
    continued.save(screenshotPath("SavedGame.continued"));
    EXPECT_EQ(changedPlay(closed, continued), 0);
    EXPECT_GT(changedPlay(closed,
                          Screenshot(closed.width(), closed.height(),
                                     std::vector<std::uint32_t>(closed.width() * closed.height()))),
              1000)
        << "the pictures compared show nothing";
}
