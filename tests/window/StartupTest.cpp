#include "window/RunningGame.h"
#include "window/TempFolder.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// The trailing blank is there on purpose: the title is the value as written.
constexpr const char* kSettings = "WindowTitle=Groundline Defence \n"
                                  "TimestepThreshold=0.016\n";

constexpr const char* kWindowErrorPrefix = "groundline: cannot open the 640x480 window: ";

} // namespace

TEST(Startup, OpensA640By480WindowTitledFromTheSettings) {
    TempFolder folder;
    folder.write("data/strings.txt", kSettings);
    VirtualDisplay display;
    RunningGame game(&display, folder.path());

    GameWindow& window = game.window();
    EXPECT_EQ(window.title(), "Groundline Defence ");
    const GameWindow::Geometry geometry = window.geometry();
    EXPECT_EQ(geometry.width, 640);
    EXPECT_EQ(geometry.height, 480);

    const Screenshot shot = window.screenshot();
    shot.save(screenshotPath());
    EXPECT_EQ(shot.canvasPixel(0, 0), 0x000000u);
    EXPECT_EQ(shot.canvasPixel(319, 239), 0x000000u);
}

TEST(Startup, ExitsWithStatus1AndNoMessageWithoutSettings) {
    TempFolder folder;
    VirtualDisplay display;
    RunningGame game(&display, folder.path());

    EXPECT_EQ(game.waitForExit(), 1);
    EXPECT_EQ(game.errorOutput(), "");
}

TEST(Startup, CloseButtonEndsTheGameWithStatus0) {
    TempFolder folder;
    folder.write("data/strings.txt", kSettings);
    VirtualDisplay display;
    RunningGame game(&display, folder.path());

    game.window().pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);
    EXPECT_EQ(game.errorOutput(), "");
}

TEST(Startup, WithoutADisplaySaysOnOneLineWhyItCannotOpenTheWindow) {
    TempFolder folder;
    folder.write("data/strings.txt", kSettings);
    RunningGame game(nullptr, folder.path());

    EXPECT_EQ(game.waitForExit(), 1);
    const std::string message = game.errorOutput();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    ASSERT_EQ(message.rfind(kWindowErrorPrefix, 0), 0u) << message;
    const std::string reason = message.substr(std::string(kWindowErrorPrefix).size());
    EXPECT_GT(reason.size(), std::string("\n").size()) << "no reason given: " << message;
    EXPECT_EQ(message.back(), '\n');
}
