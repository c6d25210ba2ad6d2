#include "app/Engine.h"
#include "game/GameSession.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

class FrameClock : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = engine.platform;
        engine.platform = &platform;
        engine.lastFrameTime = platform.time;
        engine.mouseButtons = engine.previousMouseButtons = 0;
    }
    void TearDown() override {
        engine.platform = saved;
        engine.scale = 2;
    }

    Engine& engine = Engine::instance();
    FakePlatform platform;
    Platform* saved = nullptr;
};

} // namespace

TEST_F(FrameClock, ThresholdZeroReturnsAtOnce) {
    engine.timestepThreshold = 0.0;
    platform.time += 0.003;
    EXPECT_NEAR(engine.waitForFrame(), 0.003, 1e-9);
    EXPECT_EQ(platform.yields, 0);
    EXPECT_DOUBLE_EQ(engine.waitForFrame(), 0.0);
}

TEST_F(FrameClock, WaitsOutTheThresholdByYielding) {
    engine.timestepThreshold = 0.02;
    platform.time += 0.005; // the frame's own work
    const double elapsed = engine.waitForFrame();
    EXPECT_GE(elapsed, 0.02);
    EXPECT_LT(elapsed, 0.0215);
    EXPECT_EQ(platform.yields, 15);
    EXPECT_DOUBLE_EQ(engine.lastFrameTime, platform.time);
}

TEST_F(FrameClock, PassesALongFrameOnWhole) {
    engine.timestepThreshold = 0.02;
    platform.time += 0.05;
    EXPECT_NEAR(engine.waitForFrame(), 0.05, 1e-9);
    platform.time += 10.0;
    EXPECT_NEAR(engine.waitForFrame(), 10.0, 1e-9);
}

TEST_F(FrameClock, SwitchingBackInRestartsTheFrame) {
    engine.timestepThreshold = 0.0;
    platform.time += 10.0;
    onSwitchIn();
    platform.time += 0.016;
    EXPECT_NEAR(engine.waitForFrame(), 0.016, 1e-9);
}

TEST_F(FrameClock, DividesTheMouseByTheScaleIntoCanvasPixels) {
    platform.x = 639;
    platform.y = 479;
    engine.waitForFrame();
    EXPECT_EQ(engine.mouseX, 319);
    EXPECT_EQ(engine.mouseY, 239);
    platform.x = 1;
    platform.y = 0;
    engine.waitForFrame();
    EXPECT_EQ(engine.mouseX, 0);

    engine.scale = 3;
    platform.x = 959;
    platform.y = 719;
    engine.waitForFrame();
    EXPECT_EQ(engine.mouseX, 319);
    EXPECT_EQ(engine.mouseY, 239);
    platform.x = 2;
    platform.y = 3;
    engine.waitForFrame();
    EXPECT_EQ(engine.mouseX, 0);
    EXPECT_EQ(engine.mouseY, 1);
}

TEST_F(FrameClock, MouseRectanglesIncludeTheirEdges) {
    for (int x = 8; x <= 17; ++x) {
        for (int y = 8; y <= 17; ++y) {
            engine.mouseX = x;
            engine.mouseY = y;
            const bool inside = x >= 10 && x <= 15 && y >= 10 && y <= 15;
            EXPECT_EQ(engine.mouseInRect(10, 10, 5, 5), inside) << x << ", " << y;
        }
    }
}

TEST_F(FrameClock, AClickIsSeenOnceOnRelease) {
    int releases = 0;
    const int samples[] = {0, 1, 1, 1, 0, 0, 2, 0};
    for (int buttons : samples) {
        platform.buttons = buttons;
        engine.waitForFrame();
        if ((engine.previousMouseButtons & 1) && !(engine.mouseButtons & 1))
            ++releases;
    }
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(engine.previousMouseButtons, 2);
    EXPECT_EQ(engine.mouseButtons, 0);
}

TEST(CloseButton, StopsTheSessionAndNeverReachesADestroyedOne) {
    Engine& engine = Engine::instance();
    onCloseButton(); // no session yet: nothing to do

    GameSession* session = new GameSession;
    session->running = true;
    engine.setSession(session);
    onCloseButton();
    EXPECT_FALSE(session->running);

    engine.setSession(nullptr);
    delete session;
    onCloseButton(); // under AddressSanitizer, a store into the old session fails here
    EXPECT_EQ(engine.session, nullptr);
}
