#include "window/GameFolder.h"
#include "window/RunningGame.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

// The playfield with the pointer away from everything, and no wave coming:
// what every later picture is compared with.
constexpr int kQuietX = 160;
constexpr int kQuietY = 150;

// The ground line, as the shipped settings give it.
int towerBaseline() {
    std::ifstream strings(repositoryRoot() + "/data/strings.txt");
    std::string line;
    while (std::getline(strings, line))
        if (line.rfind("TowerBaseline=", 0) == 0)
            return std::stoi(line.substr(14));
    ADD_FAILURE() << "no TowerBaseline in data/strings.txt";
    return 214;
}

class Playfield : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.setSetting("TimeBetweenWaves", "100000");
        game = std::make_unique<RunningGame>(&display, folder.path());
        pointAt(kQuietX, kQuietY);
        window().waitForFrames(2);
        idle = std::make_unique<Screenshot>(window().screenshot());
    }

    void TearDown() override {
        if (game)
            window().screenshot().save(screenshotPath());
    }

    GameWindow& window() { return game->window(); }

    Screenshot after(int frames = 2) {
        window().waitForFrames(frames);
        return window().screenshot();
    }

    void pointAt(int x, int y) { window().moveMouse(window().toWindow(x), window().toWindow(y)); }

    GameFolder folder;
    VirtualDisplay display;
    std::unique_ptr<RunningGame> game;
    std::unique_ptr<Screenshot> idle;
};

} // namespace

TEST_F(Playfield, ShowsTheStatusAndPlacesTowersOnTheGroundLine) {
    // The status display and the build buttons stand out from the ground.
    const Screenshot& start = *idle;
    EXPECT_NE(start.canvasPixel(309, 228), start.canvasPixel(309, 239)) << "no build button";
    EXPECT_NE(start.canvasPixel(14, 223), start.canvasPixel(14, 239)) << "no health bar";

    // Over the first button its name appears left of the buttons.
    pointAt(310, 229);
    EXPECT_GT(start.changedCanvasPixels(after(), 180, 220, 77, 18), 20);

    window().clickCanvas(310, 229);
    const int baseline = towerBaseline();
    pointAt(100, kQuietY);
    const Screenshot placing = after();
    EXPECT_GT(start.changedCanvasPixels(placing, 92, baseline - 12, 16, 12), 20)
        << "no tower on the ground line under the pointer";
    EXPECT_EQ(start.changedCanvasPixels(placing, 92, kQuietY - 40, 16, 30), 0)
        << "the tower follows the pointer's x only";

    pointAt(220, kQuietY);
    const Screenshot moved = after();
    EXPECT_EQ(start.changedCanvasPixels(moved, 92, baseline - 12, 16, 12), 0);
    EXPECT_GT(start.changedCanvasPixels(moved, 212, baseline - 12, 16, 12), 20);

    window().clickCanvas(220, kQuietY, 3); // X's button 3 is the right button
    const Screenshot cancelled = after();
    EXPECT_EQ(start.changedCanvasPixels(cancelled, 212, baseline - 12, 16, 12), 0);
}

TEST_F(Playfield, TheQuitDialogSaysNoThenYes) {
    window().pressKey("Escape");
    const Screenshot dialog = after();
    EXPECT_GT(idle->changedCanvasPixels(dialog, 130, 88, 60, 40), 20);

    window().clickCanvas(160, 122); // "No"
    const Screenshot closed = after();
    EXPECT_EQ(idle->changedCanvasPixels(closed, 130, 88, 60, 40), 0);
    EXPECT_EQ(idle->changedCanvasPixels(closed, 240, 218, 80, 22), 0) << "the buttons came back";

    pointAt(kQuietX, kQuietY);
    window().pressKey("Escape");
    window().waitForFrames(2);
    window().clickCanvasToEnd(160, 112); // "Yes"
    EXPECT_EQ(game->waitForExit(), 0);
    EXPECT_EQ(game->errorOutput(), "");
    game.reset();
}

// About a second of frames at the shipped frame period.
constexpr int kSecondOfFrames = 60;
// Where the money is shown, and where a tower under the strip's first button
// would stand.
constexpr int kMoneyX = 2, kMoneyY = 229, kMoneyWidth = 40, kMoneyHeight = 9;

TEST_F(Playfield, PFreezesThePlayfieldUnderItsCaptionAndASecondPResumes) {
    window().pressKey("p");
    const Screenshot paused = after();
    EXPECT_GT(idle->changedCanvasPixels(paused, 100, layout::kPausedCaptionY, 120, 16), 20)
        << "no caption";
    const Screenshot later = after(kSecondOfFrames);
    EXPECT_EQ(paused.changedCanvasPixels(later, 0, 0, layout::kCanvasWidth, layout::kCanvasHeight),
              0);

    window().pressKey("p");
    const Screenshot resumed = after(kSecondOfFrames);
    EXPECT_EQ(idle->changedCanvasPixels(resumed, 100, layout::kPausedCaptionY + 20, 120, 4), 0);
    EXPECT_GT(paused.changedCanvasPixels(resumed, 0, 40, layout::kCanvasWidth, 30), 0)
        << "the clouds stand still";
}

// The keys play as the buttons do, and a tap too quick for any frame to see
// the button held still counts as a click. A click on the button strip
// while placing puts the tower back rather than buying one under it.
TEST_F(Playfield, OneAndATapBuildALaserButTheStripsButtonBuysNothing) {
    const int baseline = towerBaseline();
    window().pressKey("1");
    window().tapCanvas(100, kQuietY);
    pointAt(kQuietX, kQuietY);
    window().clickCanvas(kQuietX, kQuietY, 3);
    const Screenshot built = after();
    EXPECT_GT(idle->changedCanvasPixels(built, 92, baseline - 12, 16, 12), 20) << "no laser";
    EXPECT_GT(idle->changedCanvasPixels(built, kMoneyX, kMoneyY, kMoneyWidth, kMoneyHeight), 0);

    const layout::Rect button = GameWindow::buildButton(0);
    window().clickCanvas(button);
    window().clickCanvas(button);
    pointAt(kQuietX, kQuietY);
    const Screenshot after = this->after();
    EXPECT_EQ(built.changedCanvasPixels(after, kMoneyX, kMoneyY, kMoneyWidth, kMoneyHeight), 0)
        << "a tower was bought under the button";
    // Away from the laser, which fires all the while.
    EXPECT_EQ(built.changedCanvasPixels(after, kQuietX - 20, baseline - 30, 40, 30), 0)
        << "a tower follows the pointer: still placing";
}

// The selected tower's panel: the upgrade button beside the demolish button,
// the price and what a level gives over it, and once it is bought the money spent and a level pip
// under the tower.
TEST(PlayfieldPanel, ASelectedTowerIsUpgradedFromItsPanel) {
    GameFolder folder;
    folder.setSetting("TimeBetweenWaves", "100000");
    folder.setSetting("StartingMoney", "1000");
    VirtualDisplay display;
    RunningGame game(&display, folder.path());
    GameWindow& window = game.window();
    const int baseline = towerBaseline();
    window.clickCanvas(GameWindow::buildButton(0));
    window.clickCanvas(100, baseline - 10);
    window.clickCanvas(100, baseline - 10, 3);
    window.clickCanvas(100, baseline - 10);
    window.waitForFrames(2);
    const Screenshot selected = window.screenshot();

    const layout::Rect upgrade = layout::upgradeButton(GameWindow::kShippedButtonSpacing);
    window.moveMouse(window.toWindow(upgrade.centreX()), window.toWindow(upgrade.centreY()));
    window.waitForFrames(2);
    const Screenshot offered = window.screenshot();
    offered.save(screenshotPath("PlayfieldPanel.offered"));
    EXPECT_GT(selected.changedCanvasPixels(offered, 150, 220, 125, 18), 20) << "no price shown";
    EXPECT_GT(selected.changedCanvasPixels(offered, 140, 229, 90, 9), 20) << "no gain shown";

    window.clickCanvas(upgrade);
    window.waitForFrames(2);
    const Screenshot bought = window.screenshot();
    EXPECT_GT(offered.changedCanvasPixels(bought, 92, baseline + 1, 16, 4), 4) << "no level pip";
    EXPECT_GT(offered.changedCanvasPixels(bought, 2, 229, 40, 8), 0) << "no money spent";
}
