#include "game/Layout.h"
#include "window/GameFolder.h"
#include "window/RunningGame.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>

namespace {

// The window as soon as it shows what the test waits for: a game at rest
// draws no frame that the test could count.
Screenshot firstShowing(GameWindow& window, const std::function<bool(const Screenshot&)>& wanted) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        Screenshot shot = window.screenshot();
        if (wanted(shot))
            return shot;
        if (std::chrono::steady_clock::now() >= deadline)
            throw std::runtime_error("the window never showed it");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace

// Left as a player leaves it, a paused game stops drawing, and still wakes
// for the key that resumes it: the caption goes and the clouds move again.
TEST(Rest, APausedGameWakesForTheKeyThatResumesIt) {
    GameFolder folder;
    folder.setSetting("TimeBetweenWaves", "100000");
    RunningGame::Options options;
    options.resting = true;
    VirtualDisplay display;
    RunningGame game(&display, folder.path(), options);
    GameWindow& window = game.window();
    const Screenshot idle = window.screenshot();
    const auto caption = [&idle](const Screenshot& shot) {
        return idle.changedCanvasPixels(shot, 100, layout::kPausedCaptionY, 120, 16);
    };

    window.pressKeyAtRest("p");
    const Screenshot paused = firstShowing(window, [&](const Screenshot& shot) {
        return caption(shot) > 20;
    });
    window.pressKeyAtRest("p");
    const Screenshot resumed = firstShowing(window, [&](const Screenshot& shot) {
        return caption(shot) == 0 &&
               paused.changedCanvasPixels(shot, 0, 40, layout::kCanvasWidth, 30) > 0;
    });
    resumed.save(screenshotPath());
}
