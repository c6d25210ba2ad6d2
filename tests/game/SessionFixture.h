#pragma once

#include "app/Engine.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"
#include "support/EngineScope.h"
#include "support/TestCatalogue.h"

#include <allegro.h>
#include <gtest/gtest.h>

// A session on its screen on the test catalogue, driven frame by frame through a fake
// keyboard, mouse and clock, drawn into the engine's canvas.
class SessionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static bool loaded = false;
        if (!loaded)
            testCatalogue::load();
        loaded = true;
    }

    void SetUp() override {
        engine.timestepThreshold = 0.0;
        session = new GameSession;
        session->start();
        screen = new PlayfieldScreen(*session);
    }

    void TearDown() override {
        delete screen;
        delete session;
    }

    // One whole frame as the game's loop plays it: sample the input, step
    // by the time the clock measured (dt), draw.
    void frame(double dt = 0.016, bool fastForward = false) {
        platform.time += dt;
        screen->step(engine.waitForFrame(), fastForward);
        screen->draw();
    }

    // Moves the pointer to canvas pixel (x, y).
    void pointAt(int x, int y) {
        platform.x = 2 * x + 1;
        platform.y = 2 * y + 1;
    }

    // A button held down over (x, y) for one frame.
    void press(int x, int y, int button = 1) {
        pointAt(x, y);
        platform.buttons = button;
        frame(0.0);
    }

    void release() {
        platform.buttons = 0;
        frame(0.0);
    }

    // Press and release across two frames, as a player's click arrives.
    void click(int x, int y, int button = 1) {
        press(x, y, button);
        release();
    }

    int pixel(int x, int y) const { return getpixel(engine.canvas->bitmap, x, y); }
    static int colour(Rgb rgb) { return makecol(rgb.r, rgb.g, rgb.b); }

    // A line of the test fonts' solid 3 x 5 glyphs, 4 pixels apart, inks the
    // box from (left, top) to (right, top + 4) and no glyph follows it: a text
    // of the wrong length or place shows at one of its edges.
    void expectTextBox(int left, int top, int right, Rgb ink) const {
        const int background = colour(testCatalogue::kBackground);
        EXPECT_EQ(pixel(left, top), colour(ink)) << left << ", " << top;
        EXPECT_EQ(pixel(right, top + 4), colour(ink)) << right << ", " << top;
        EXPECT_EQ(pixel(left - 1, top), background) << left << ", " << top;
        EXPECT_EQ(pixel(right + 2, top + 4), background) << right << ", " << top;
        EXPECT_EQ(pixel(right, top + 5), background) << right << ", " << top;
    }

    EngineScope scope;
    Engine& engine = scope.engine;
    FakePlatform& platform = scope.platform;
    GameSession* session = nullptr;
    PlayfieldScreen* screen = nullptr;
};
