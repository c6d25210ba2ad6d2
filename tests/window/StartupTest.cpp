#include "window/GameFolder.h"
#include "window/RunningGame.h"
#include "window/TempFolder.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Not the shipped title, so that a title built into the game cannot pass; the
// trailing blank is there on purpose: the title is the value as written.
constexpr const char* kTitle = "Groundline Defence under test ";

constexpr const char* kLibraryErrorPrefix = "groundline: cannot start the graphics library: ";

// A client polling the window list every 50 ms met the X server resetting in
// about one start in two hundred; every 20 ms, and reading each window's name,
// in about one start in eight, so thirty starts meet it almost surely.
constexpr int kStartsBesidePoller = 30;
constexpr const char* kPollerPauseMs = "20";

} // namespace

TEST(Startup, OpensA640By480WindowWithItsTitleClassAndIcon) {
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
    // The class that the desktop entry names, and the 48-pixel icon of art/icon/.
    EXPECT_EQ(window.windowClass(), "groundline/Groundline");
    EXPECT_EQ(window.iconWidth(), 48);
    window.screenshot().save(screenshotPath());
}

TEST(Startup, WithoutSettingsSaysOnOneLineWhereItLookedBeforeAnyWindow) {
    GameFolder folder;
    folder.remove("data/strings.txt");
    RunningGame game(nullptr, folder.path());

    EXPECT_EQ(game.waitForExit(), 1);
    const std::string message = game.errorOutput();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_NE(message.find(folder.path() + "/data"), std::string::npos) << message;
}

// A missing sound stops the game as a missing picture does, by name; with the
// sound muted or at volume 0 no sound file is needed.
TEST(Startup, AMissingSoundIsNamedUnlessTheSoundIsOff) {
    GameFolder folder;
    folder.remove("data/explosion.wav");
    VirtualDisplay display;
    {
        RunningGame game(&display, folder.path());
        EXPECT_EQ(game.waitForExit(), 1);
        EXPECT_NE(game.errorOutput().find("SoundExplosion ("), std::string::npos)
            << game.errorOutput();
        EXPECT_NE(game.errorOutput().find("explosion.wav): "), std::string::npos);
    }
    for (const std::vector<std::string>& soundOff :
         {std::vector<std::string>{"--mute"}, std::vector<std::string>{"--volume", "0"}}) {
        RunningGame::Options options;
        options.arguments = soundOff;
        RunningGame game(&display, folder.path(), options);
        game.window().pressCloseButton();
        EXPECT_EQ(game.waitForExit(), 0) << soundOff[0];
        EXPECT_EQ(game.errorOutput(), "") << soundOff[0];
    }
}

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

// The best wave is kept in the player's folder when the game is closed; a
// record that has been damaged since is written anew, and a folder that
// cannot be made costs the record with one line, never the game.
TEST(Startup, ARecordThatCannotBeReadOrKeptCostsTheRecordNotTheGame) {
    GameFolder folder;
    TempFolder home;
    VirtualDisplay display;
    const auto play = [&](const std::string& dataHome) {
        RunningGame::Options options;
        options.environment["XDG_DATA_HOME"] = dataHome;
        RunningGame game(&display, folder.path(), options);
        game.window().pressCloseButton();
        EXPECT_EQ(game.waitForExit(), 0) << dataHome;
        return game.errorOutput();
    };

    EXPECT_EQ(play(home.path()), "");
    std::vector<std::filesystem::path> records;
    for (const auto& entry : std::filesystem::directory_iterator(home.path() + "/groundline"))
        if (entry.path().filename().string().rfind("best-", 0) == 0)
            records.push_back(entry.path());
    ASSERT_EQ(records.size(), 1u) << "no record, or more than one";
    const std::string record = readFile(records[0]);
    std::ofstream(records[0], std::ios::binary) << record.substr(0, record.size() / 2);
    EXPECT_EQ(play(home.path()), "");
    EXPECT_EQ(readFile(records[0]), record) << "the damaged record was not written anew";

    // A regular file where the folder would be made.
    const std::string underAFile = records[0].string() + "/data";
    const std::string message = play(underAFile);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_NE(message.find(underAFile), std::string::npos) << message;
}

TEST(Startup, CloseButtonEndsTheGameWithStatus0) {
    GameFolder folder;
    VirtualDisplay display;
    RunningGame game(&display, folder.path());

    game.window().pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);
    EXPECT_EQ(game.errorOutput(), "");
}

// Panels, docks and scripts connect, read the window list and leave; each time
// the last of them leaves, the X server resets.
TEST(Startup, ShowsTheWindowEveryTimeBesideAClientPollingTheWindowList) {
    GameFolder folder;
    VirtualDisplay display;
    ChildProcess::Launch launch;
    launch.command = {windowListPoller(), kPollerPauseMs};
    launch.environment["DISPLAY"] = display.name();
    ChildProcess poller(launch);

    for (int start = 1; start <= kStartsBesidePoller; ++start) {
        RunningGame game(&display, folder.path());
        ASSERT_NO_THROW(game.window()) << "start " << start;
        game.window().pressCloseButton();
        ASSERT_EQ(game.waitForExit(), 0) << "start " << start;
    }
    EXPECT_TRUE(poller.running()) << "the poller stopped, so it proved nothing";
}

TEST(Startup, WithoutADisplaySaysOnOneLineWhyItCannotStartTheLibrary) {
    GameFolder folder;
    RunningGame game(nullptr, folder.path());

    EXPECT_EQ(game.waitForExit(), 1);
    const std::string message = game.errorOutput();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    ASSERT_EQ(message.rfind(kLibraryErrorPrefix, 0), 0u) << message;
    const std::string reason = message.substr(std::string(kLibraryErrorPrefix).size());
    EXPECT_GT(reason.size(), std::string("\n").size()) << "no reason given: " << message;
    EXPECT_EQ(message.back(), '\n');
}
