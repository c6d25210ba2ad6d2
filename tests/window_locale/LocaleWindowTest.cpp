#include "window/RunningGame.h"
#include "window/TempFolder.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"
#include "window_locale/DecimalCommaLocale.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBaseline = 214; // the shipped "TowerBaseline"
constexpr int kLaserX = 60;
constexpr std::uint32_t kBoltPink = 0xFF77A8;

bool boltAboveLaser(const Screenshot& shot) {
    for (int y = 10; y <= 160; ++y) {
        for (int x = kLaserX - 4; x <= kLaserX + 4; ++x) {
            if (shot.canvasPixel(x, y) == kBoltPink)
                return true;
        }
    }
    return false;
}

} // namespace

// Allegro hands the process the player's locale when the window opens. The
// laser's period, "0.45" in the settings, must still be read as 0.45 there:
// read as 0, the turret never fires.
TEST(Locale, UnderADecimalCommaLocaleAPlacedLaserFires) {
    TempFolder locales;
    ASSERT_TRUE(decimalComma::makeLocale(locales.path()))
        << "localedef could not make " << decimalComma::kLocaleName;
    RunningGame::Options options;
    options.environment["LOCPATH"] = locales.path();
    options.environment["LANG"] = decimalComma::kLocaleName;
    options.environment["LC_ALL"] = decimalComma::kLocaleName;

    VirtualDisplay display;
    RunningGame game(&display, repositoryRoot(), options);
    GameWindow& window = game.window();
    window.clickCanvas(GameWindow::buildButton(0));
    window.clickCanvas(kLaserX, kBaseline - 10);
    window.clickCanvas(kLaserX, kBaseline - 10, 3);
    window.moveMouse(2 * 160, 2 * 30);

    bool fired = false;
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!fired && Clock::now() < deadline) {
        const Screenshot shot = window.screenshot();
        fired = boltAboveLaser(shot);
        if (fired)
            shot.save(screenshotPath());
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    EXPECT_TRUE(fired) << "no bolt rose above the laser turret";

    window.pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);
}
