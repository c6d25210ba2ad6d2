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

namespace {

// The menu's plate is ringed in the palette's white; nothing else on the
// playfield stands at its corner.
constexpr std::uint32_t kRim = 0xfff1e8;

bool menuShown(const Screenshot& shot) {
    const layout::Rect first = layout::menuLine(0);
    return shot.canvasPixel(first.x - 4, first.y - 4) == kRim;
}

std::string optionsFile(const TempFolder& records) {
    std::ifstream file(std::filesystem::path(records.path()) / "groundline" / "options.txt");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

// Started as a new player starts it, the program opens on the title; keys
// choose the difficulty and play, "Yes" to "Quit Game?" comes back, the
// mouse reaches Options, and Quit ends the program. The choices are kept.
TEST(Title, OpensTheProgramAndLeadsToAGameAndOptionsByKeysAndMouse) {
    GameFolder folder;
    folder.setSetting("TimeBetweenWaves", "100000");
    TempFolder records;
    RunningGame::Options options;
    options.title = true;
    options.environment["XDG_DATA_HOME"] = records.path();
    VirtualDisplay display;
    RunningGame game(&display, folder.path(), options);
    GameWindow& window = game.window();
    const Screenshot title = window.screenshot();
    title.save(screenshotPath("Title.opening"));
    EXPECT_TRUE(menuShown(title));

    window.pressKey("Right");
    EXPECT_NE(optionsFile(records).find("difficulty=hard\n"), std::string::npos)
        << optionsFile(records);
    window.pressKey("Return");
    window.waitForFrames(3);
    EXPECT_FALSE(menuShown(window.screenshot())) << "no game began";

    window.pressKey("Escape");
    window.pressKey("y");
    window.waitForFrames(3);
    EXPECT_TRUE(menuShown(window.screenshot())) << "not back on the title";

    // The game left is saved, and Continue now stands above Play.
    window.clickCanvas(layout::menuLine(3));
    window.clickCanvas(layout::menuLeftArrow(0));
    window.waitForFrames(3);
    window.screenshot().save(screenshotPath("Title.options"));
    EXPECT_NE(optionsFile(records).find("volume=60\n"), std::string::npos) << optionsFile(records);
    window.clickCanvas(layout::menuLine(3)); // Back, under Volume, Sound and Window
    window.waitForFrames(3);

    window.clickCanvasToEnd(layout::menuLine(4).centreX(), layout::menuLine(4).centreY());
    EXPECT_EQ(game.waitForExit(), 0);
    EXPECT_EQ(game.errorOutput(), "");
}
