#pragma once

#include "window/ChildProcess.h"
#include "window/GameWindow.h"
#include "window/TempFolder.h"
#include "window/VirtualDisplay.h"

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The real game, started as a player would start it, for tests that look at it
// from outside:
//
//     VirtualDisplay display;
//     RunningGame game(&display, repositoryRoot());
//     game.window().clickCanvas(300, 220);
//     game.window().screenshot().save(screenshotPath());
//     game.window().pressCloseButton();
//     EXPECT_EQ(game.waitForExit(), 0);
//
// Whatever happens in the test, the game is killed when the object ends.
// Declare it after the display, so that it ends first.
class RunningGame {
  public:
    // How to start it, beyond the display and the working directory.
    struct Options {
        // Empty: the game this build made.
        std::string executable;
        std::vector<std::string> arguments;
        // Whether it opens on the title screen, as a player starts it;
        // otherwise it plays a game at once, with --play before the arguments.
        bool title = false;
        // Whether a still picture is left alone, as a player's game leaves
        // it; otherwise every frame is drawn, so that waitForFrames works
        // whatever the screen shows.
        bool resting = false;
        // Changes to the environment, as ChildProcess::Launch takes them.
        std::map<std::string, std::optional<std::string>> environment;
    };

    // Starts the game in the working directory (where it looks for data/) on
    // the display, or with DISPLAY unset when there is none.
    RunningGame(const VirtualDisplay* display, const std::string& workingDirectory,
                const Options& options);
    RunningGame(const VirtualDisplay* display, const std::string& workingDirectory);
    ~RunningGame();

    RunningGame(const RunningGame&) = delete;
    RunningGame& operator=(const RunningGame&) = delete;

    // The game's window, once its main loop has drawn frames to it: start-up
    // is over and the close button is wired. Throws if the game exits first.
    GameWindow& window();

    // The exit status. Throws, after killing the game, if it has not ended
    // within the timeout.
    int waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));

    // Everything the game has written to its standard output, or to its
    // standard error, so far.
    std::string output() const;
    std::string errorOutput() const;

  private:
    std::string displayName;
    TempFolder outputFolder;
    std::unique_ptr<ChildProcess> process;
    std::unique_ptr<GameWindow> gameWindow;
};
