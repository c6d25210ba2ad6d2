#include "window/GameFolder.h"
#include "window/RunningGame.h"
#include "window/TempFolder.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A place on the sky to leave the pointer while the tower is being placed.
constexpr int kPointerX = 100;
constexpr int kPointerY = 150;
// Rows of the canvas below the clouds and the pointer: the ground line, the
// tower being placed, the status and the buttons.
constexpr int kStillTop = 165;

int lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

struct Answer {
    int status;
    std::string output;
    std::string error;
};

// The game started without a display: what it says and how it ends.
Answer run(const std::vector<std::string>& arguments) {
    TempFolder folder;
    RunningGame::Options options;
    options.arguments = arguments;
    options.title = true; // the arguments as given, --play only where they have it
    RunningGame game(nullptr, folder.path(), options);
    const int status = game.waitForExit();
    return {status, game.output(), game.errorOutput()};
}

// The playfield at the given scale while the second tower is being placed,
// chosen by a click at the middle of its button.
Screenshot placingSecondTower(int scale, const std::string& folder) {
    VirtualDisplay display;
    RunningGame::Options options;
    options.arguments = {"--scale", std::to_string(scale)};
    RunningGame game(&display, folder, options);
    GameWindow& window = game.window();
    window.clickCanvas(GameWindow::buildButton(1));
    window.moveMouse(window.toWindow(kPointerX), window.toWindow(kPointerY));
    window.waitForFrames(2);
    const Screenshot shot = window.screenshot();
    shot.save(screenshotPath("CommandLine.PlacingAtScale" + std::to_string(scale)));
    window.pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);
    return shot;
}

} // namespace

TEST(CommandLine, AnswersHelpVersionAndMistakesWithoutAWindow) {
    const Answer help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("Usage: groundline", 0), 0u) << help.output;
    for (const char* part :
         {"--scale N", "--data DIR", "--play [LEVEL]", "--version", "Escape", "Tab", "data/"})
        EXPECT_NE(help.output.find(part), std::string::npos) << part;
    EXPECT_EQ(help.error, "");

    const Answer version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "Groundline Defence 1.0.0\n");

    for (const std::vector<std::string>& mistake : std::vector<std::vector<std::string>>{
             {"--fullscreen"}, {"--scale", "7"}, {"--scale"}, {"mods"}, {"--play", "brutal"}}) {
        const Answer refused = run(mistake);
        EXPECT_EQ(refused.status, 2) << mistake.front();
        EXPECT_EQ(lines(refused.error), 1) << refused.error;
        EXPECT_NE(refused.error.find(mistake.back()), std::string::npos) << refused.error;
        EXPECT_EQ(refused.output, "");
    }
}

TEST(CommandLine, ScaleThreeShowsEachCanvasPixelAs3By3AndMapsClicksBack) {
    GameFolder folder;
    folder.setSetting("TimeBetweenWaves", "100000");

    const Screenshot doubled = placingSecondTower(2, folder.path());
    const Screenshot tripled = placingSecondTower(3, folder.path());

    ASSERT_EQ(tripled.width(), 960);
    ASSERT_EQ(tripled.height(), 720);
    // Every window pixel is the colour of its 3 x 3 block's first one.
    int uneven = 0;
    for (int y = 0; y < tripled.height(); ++y)
        for (int x = 0; x < tripled.width(); ++x)
            uneven += tripled.pixel(x, y) != tripled.pixel(x - x % 3, y - y % 3);
    EXPECT_EQ(uneven, 0);

    // The same tower chosen, named and drawn in the same places as at the
    // default scale.
    int differences = 0;
    for (int y = kStillTop; y < layout::kCanvasHeight; ++y)
        for (int x = 0; x < layout::kCanvasWidth; ++x)
            differences += tripled.canvasPixel(x, y) != doubled.canvasPixel(x, y);
    EXPECT_EQ(differences, 0);
}

TEST(CommandLine, AScaleTheScreenCannotHoldIsRefusedOnOneLine) {
    GameFolder folder;
    VirtualDisplay display; // 1024 x 768: 4 x 320 is too wide
    RunningGame::Options options;
    options.arguments = {"--scale", "4"};
    RunningGame game(&display, folder.path(), options);

    EXPECT_EQ(game.waitForExit(), 1);
    const std::string message = game.errorOutput();
    EXPECT_EQ(lines(message), 1) << message;
    EXPECT_NE(message.find("1280x960"), std::string::npos) << message;
}

// The folder's name is outside ASCII, as a player's may be: every file of the
// data is opened through it.
TEST(CommandLine, PlaysTheDataAskedForFromAnEmptyWorkingFolderWhateverItsName) {
    GameFolder data;
    data.setSetting("WindowTitle", "Groundline from elsewhere");
    const std::string mod = data.path() + "/Моды Zoë";
    std::filesystem::rename(data.path() + "/data", mod);
    TempFolder empty;
    VirtualDisplay display;
    RunningGame::Options options;
    options.arguments = {"--data", mod};
    RunningGame game(&display, empty.path(), options);

    EXPECT_EQ(game.window().title(), "Groundline from elsewhere");
    game.window().pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);
    EXPECT_EQ(game.errorOutput(), "");
}
