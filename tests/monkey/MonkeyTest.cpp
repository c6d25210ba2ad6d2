#include "game/Layout.h"
#include "window/RunningGame.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

// The game runs at its default scale, 2.
constexpr int kWindowWidth = 2 * layout::kCanvasWidth;
constexpr int kWindowHeight = 2 * layout::kCanvasHeight;

// The dialog's answers: "Yes" quits during play and "No" once the game is
// lost, so a random click lands on neither, or the game would end before its
// time. The monkey answers only after looking at which question it is. Nor
// does it click the title's Quit, or press Return, which could choose it.
constexpr layout::Rect kYes = layout::kYesAnswer;
constexpr layout::Rect kNo = layout::kNoAnswer;
constexpr layout::Rect kTitleQuit = layout::menuLine(3);

// The build buttons and the ground the towers stand on, in canvas pixels.
constexpr int kButtonsLeft = layout::kCanvasWidth - 80;
constexpr int kTowersTop = 150;
constexpr int kTowersHeight = 40;

// Keys that mean something to the game and its menus, and some that must
// mean nothing. "n" is not among them: it ends a lost game.
const std::vector<std::string> kOtherKeys = {"a",     "q",  "space",  "Up", "Down", "Left",
                                             "Right", "F1", "Delete", "1",  "2",    "3",
                                             "u",     "p",  "Pause",  "y",  "m",    "BackSpace"};

bool grey(std::uint32_t rgb) {
    return (rgb >> 16 & 0xff) == (rgb >> 8 & 0xff) && (rgb >> 8 & 0xff) == (rgb & 0xff);
}

int environmentNumber(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

// Plays at random, through the same X events a player's mouse and keyboard
// send. Half of its clicks go where something is (the build buttons and the
// ground line), so that towers get built, selected and sold, not only missed.
class Monkey {
  public:
    Monkey(GameWindow& window, const std::string& displayName, unsigned seed)
        : window(window), displayName(displayName), random(seed) {}

    void act() {
        const int choice = pick(100);
        if (choice < 25)
            clickSomewhere();
        else if (choice < 40)
            window.moveMouse(anywhereX(), anywhereY());
        else if (choice < 55)
            drag();
        else if (choice < 62)
            window.pressKey("Escape");
        else if (choice < 67)
            window.pressKey("d");
        else if (choice < 77)
            toggleTab();
        else if (choice < 85)
            window.pressKey(kOtherKeys[pick(static_cast<int>(kOtherKeys.size()))]);
        else
            answer();
    }

    // Leaves by keys from whichever screen it is on. In a game, Escape opens
    // the dialog and Y answers "Yes", back to the title (or, when the dialog
    // was open already, Escape closes it and the second Escape and Return of
    // the round answer it); a lost game's "Yes" plays again, and the next
    // round quits the new game. On the title Escape chooses Quit and Return
    // takes it; How to Play and Options go back to the title on Escape.
    void quit() {
        if (tabHeld)
            toggleTab();
        for (int round = 0; round < 4; ++round) {
            try {
                for (const char* key : {"Escape", "y", "Escape", "Return"})
                    window.pressKey(key);
                window.waitForFrames(5);
            } catch (const std::runtime_error&) {
                return; // the game has gone, as it should
            }
        }
    }

  private:
    int pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

    int anywhereX() { return pick(kWindowWidth); }
    int anywhereY() { return pick(kWindowHeight); }
    // X numbers the buttons 1 left, 2 middle, 3 right.
    int button() { return pick(2) == 0 ? 1 : 3; }

    // A point for a press or a release, never on "Yes".
    struct Point {
        int x;
        int y;
    };
    static Point canvasPoint(int x, int y) { return {2 * x + 1, 2 * y + 1}; }

    Point pressPoint() {
        while (true) {
            Point point;
            if (pick(2) == 0)
                point = {anywhereX(), anywhereY()};
            else if (pick(2) == 0)
                point =
                    canvasPoint(kButtonsLeft + pick(layout::kCanvasWidth - kButtonsLeft),
                                layout::kButtonY + pick(layout::kCanvasHeight - layout::kButtonY));
            else
                point = canvasPoint(pick(layout::kCanvasWidth), kTowersTop + pick(kTowersHeight));
            const int x = point.x / 2;
            const int y = point.y / 2;
            if (!inside(kYes, x, y) && !inside(kNo, x, y) && !inside(kTitleQuit, x, y))
                return point;
        }
    }

    static bool inside(const layout::Rect& rect, int x, int y) {
        return x >= rect.x && x <= rect.x + rect.width && y >= rect.y && y <= rect.y + rect.height;
    }

    void clickSomewhere() {
        const Point point = pressPoint();
        window.click(point.x, point.y, button());
    }

    void drag() {
        const std::string held = std::to_string(button());
        const Point press = pressPoint();
        window.moveMouse(press.x, press.y);
        xdotool({"mousedown", held});
        const int steps = 1 + pick(4);
        for (int step = 0; step < steps; ++step)
            window.moveMouse(anywhereX(), anywhereY());
        const Point release = pressPoint();
        window.moveMouse(release.x, release.y);
        xdotool({"mouseup", held});
        window.waitForFrames(3);
    }

    void toggleTab() {
        if (tabHeld)
            window.releaseKey("Tab");
        else
            window.holdKey("Tab");
        tabHeld = !tabHeld;
    }

    // Back to the game, whichever question the dialog asks: "No" during
    // play, and "Yes" to a new game once the last one is lost.
    void answer() {
        if (pick(2) != 0) {
            window.pressKey("Escape");
            return;
        }
        const layout::Rect& back = lost() ? kYes : kNo;
        window.clickCanvas(back.centreX(), back.centreY());
    }

    // A lost game greys the whole playfield; the sky and hills at its sides
    // are never grey in play.
    bool lost() {
        const Screenshot shot = window.screenshot();
        for (const auto& [x, y] : {std::pair{6, 100}, {314, 100}, {6, 170}, {314, 170}})
            if (!grey(shot.canvasPixel(x, y)))
                return false;
        return true;
    }

    // The drag keeps a button down across moves, which GameWindow's clicks
    // do not; the window sits at the screen's origin, so window pixels are
    // screen pixels.
    void xdotool(const std::vector<std::string>& arguments) {
        ChildProcess::Launch launch;
        launch.command = {"xdotool"};
        launch.command.insert(launch.command.end(), arguments.begin(), arguments.end());
        launch.environment["DISPLAY"] = displayName;
        ChildProcess tool(launch);
        if (tool.waitForExit(std::chrono::seconds(10)) != 0)
            throw std::runtime_error("xdotool " + arguments.front() + " failed");
    }

    GameWindow& window;
    std::string displayName;
    std::mt19937 random;
    bool tabHeld = false;
};

} // namespace

TEST(Monkey, RandomPlayOnEveryScreenNeitherCrashesNorTripsASanitizerAndQuitEndsWithStatus0) {
    const int seconds = environmentNumber("GROUNDLINE_MONKEY_SECONDS", 60);
    const unsigned seed = static_cast<unsigned>(environmentNumber("GROUNDLINE_MONKEY_SEED", 1));
    std::printf("monkey: seed %u for %d s\n", seed, seconds);

    // From the title, as a player starts it, so that every screen is visited;
    // the scale held, so that the Options screen cannot change the window
    // the monkey aims at.
    VirtualDisplay display;
    RunningGame::Options options;
    options.title = true;
    options.arguments = {"--scale", "2"};
    RunningGame game(&display, repositoryRoot(), options);
    Monkey monkey(game.window(), display.name(), seed);

    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int actions = 0;
    while (std::chrono::steady_clock::now() < end) {
        monkey.act();
        ++actions;
    }
    game.window().screenshot().save(screenshotPath());
    monkey.quit();
    std::printf("monkey: %d actions\n", actions);

    EXPECT_EQ(game.waitForExit(), 0);
    const std::string errors = game.errorOutput();
    EXPECT_EQ(errors.find("Sanitizer"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("runtime error"), std::string::npos) << errors;
}
