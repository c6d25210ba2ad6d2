#include "window/GameFolder.h"
#include "window/RunningGame.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Not the shipped title, so that a title built into the game cannot pass; the
// trailing blank is there on purpose: the title is the value as written.
constexpr const char* kTitle = "Groundline Defence under test ";

constexpr const char* kWindowErrorPrefix = "groundline: cannot open the 640x480 window: ";

} // namespace

TEST(Startup, OpensA640By480WindowTitledFromTheSettings) {
    GameFolder folder;
    folder.setSetting("WindowTitle", kTitle);
    folder.setSetting("TimestepThreshold", "0.016");
    VirtualDisplay display;
    RunningGame game(&display, folder.path());

    GameWindow& window = game.window();
    EXPECT_EQ(window.title(), kTitle);
    const GameWindow::Geometry geometry = window.geometry();
    EXPECT_EQ(geometry.width, 640);
    EXPECT_EQ(geometry.height, 480);
    window.screenshot().save(screenshotPath());
}

TEST(Startup, ExitsWithStatus1AndNoMessageWithoutSettings) {
    GameFolder folder;
    folder.remove("data/strings.txt");
    VirtualDisplay display;
    RunningGame game(&display, folder.path());

    EXPECT_EQ(game.waitForExit(), 1);
    EXPECT_EQ(game.errorOutput(), "");
}

TEST(Startup, CloseButtonEndsTheGameWithStatus0) {
    GameFolder folder;
    VirtualDisplay display;
    RunningGame game(&display, folder.path());

    game.window().pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);
    EXPECT_EQ(game.errorOutput(), "");
}

TEST(Startup, WithoutADisplaySaysOnOneLineWhyItCannotOpenTheWindow) {
    GameFolder folder;
    RunningGame game(nullptr, folder.path());

    EXPECT_EQ(game.waitForExit(), 1);
    const std::string message = game.errorOutput();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    ASSERT_EQ(message.rfind(kWindowErrorPrefix, 0), 0u) << message;
    const std::string reason = message.substr(std::string(kWindowErrorPrefix).size());
    EXPECT_GT(reason.size(), std::string("\n").size()) << "no reason given: " << message;
    EXPECT_EQ(message.back(), '\n');
}
