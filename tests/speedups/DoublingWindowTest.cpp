// The canvas doubled into a real X11 window through the library's screen
// bitmap, against stretch_blit into the same window: the X server must hold
// the same pixels, each canvas pixel as a 2 x 2 block.

#include "window/RunningGame.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

Screenshot shown(const char* how) {
    VirtualDisplay display;
    RunningGame::Options options;
    options.executable = SHOW_CANVAS_EXECUTABLE;
    options.arguments = {how};
    RunningGame program(&display, repositoryRoot(), options);
    program.window().waitForFrames(2);
    Screenshot shot = program.window().screenshot();
    program.window().pressCloseButton();
    EXPECT_EQ(program.waitForExit(), 0) << program.errorOutput();
    return shot;
}

} // namespace

TEST(DoublingInAWindow, ReachesTheServerAsStretchBlitDoes) {
    const Screenshot enlarged = shown("enlarge");
    const Screenshot stretched = shown("stretch");
    ASSERT_EQ(enlarged.width(), 640);
    ASSERT_EQ(enlarged.height(), 480);
    ASSERT_EQ(stretched.width(), 640);
    ASSERT_EQ(stretched.height(), 480);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const int cx = x / 2;
            const int cy = y / 2;
            const std::uint32_t canvas = static_cast<std::uint32_t>(((cx & 255) << 16) | (cy << 8) |
                                                                    ((cx * 7 + cy * 13) & 255));
            ASSERT_EQ(stretched.pixel(x, y), canvas) << x << ", " << y;
            ASSERT_EQ(enlarged.pixel(x, y), canvas) << x << ", " << y;
        }
    }
}
