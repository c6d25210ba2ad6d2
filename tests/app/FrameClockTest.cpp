#include "app/Engine.h"
#include "app/PressLatch.h"
#include "game/GameSession.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class FrameClock : public ::testing::Test {
  protected:
    EngineScope scope;
    Engine& engine = scope.engine;
    FakePlatform& platform = scope.platform;
};

} // namespace

TEST_F(FrameClock, ThresholdZeroReturnsAtOnce) {
    engine.timestepThreshold = 0.0;
    platform.time += 0.003;
    EXPECT_NEAR(engine.waitForFrame(), 0.003, 1e-9);
    EXPECT_EQ(platform.yields, 0);
    EXPECT_DOUBLE_EQ(engine.waitForFrame(), 0.0);
}

TEST_F(FrameClock, SleepsThroughMostOfTheWaitAndYieldsTheRestNeverStartingEarly) {
    struct Case {
        const char* wake;
        double oversleep;
        int yields;
    };
    // The frame's own work takes 5 ms of the 20; each yield passes 1 ms. A
    // sleep that wakes early leaves more to yield; one that wakes late, none.
    for (const Case& sample :
         {Case{"on time", 0.0, 1}, Case{"early", -0.004, 5}, Case{"late", 0.003, 0}}) {
        EngineScope caseScope;
        caseScope.engine.timestepThreshold = 0.02;
        caseScope.platform.oversleep = sample.oversleep;
        caseScope.platform.time += 0.005;
        const double elapsed = caseScope.engine.waitForFrame();

        EXPECT_GE(elapsed, 0.02) << sample.wake;
        EXPECT_LT(elapsed, 0.02 + std::max(sample.oversleep, caseScope.platform.yieldStep))
            << sample.wake;
        EXPECT_EQ(caseScope.platform.sleeps, 1) << sample.wake;
        EXPECT_GT(caseScope.platform.slept, 0.014) << sample.wake;
        EXPECT_EQ(caseScope.platform.yields, sample.yields) << sample.wake;
        EXPECT_DOUBLE_EQ(caseScope.engine.lastFrameTime, caseScope.platform.time) << sample.wake;

        // After a frame that drew nothing, punctuality is not worth a core.
        caseScope.platform.time += 0.005;
        caseScope.engine.waitForFrame(true);
        EXPECT_EQ(caseScope.platform.yields, sample.yields) << sample.wake << ", resting";
    }
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
    struct Sample {
        int scale, x, y, canvasX, canvasY;
    };
    for (const Sample& sample : {Sample{2, 639, 479, 319, 239}, Sample{2, 1, 0, 0, 0},
                                 Sample{3, 959, 719, 319, 239}, Sample{3, 2, 3, 0, 1}}) {
        engine.scale = sample.scale;
        platform.x = sample.x;
        platform.y = sample.y;
        engine.waitForFrame();
        EXPECT_EQ(engine.mouseX, sample.canvasX) << sample.scale << ": " << sample.x;
        EXPECT_EQ(engine.mouseY, sample.canvasY) << sample.scale << ": " << sample.y;
    }
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

// A tap quicker than a frame goes down and up between two samples: the latch
// shows the press in the next sample, and the release in the one after.
TEST(PressLatch, ShowsEveryPressInTheNextSampleEvenIfAlreadyLetGo) {
    PressLatch latch;
    const struct {
        int pressedSince, heldNow, seen;
    } samples[] = {
        {0, 0, 0}, {1, 0, 1}, {0, 0, 0}, // a tap
        {1, 1, 1}, {0, 1, 1}, {0, 0, 0}, // a press held across frames
        {3, 0, 3}, {2, 0, 2}, {0, 0, 0}, // both tapped, then the right again
    };
    for (const auto& sample : samples) {
        if (sample.pressedSince)
            latch.press(sample.pressedSince);
        EXPECT_EQ(latch.sample(sample.heldNow), sample.seen);
    }
}
