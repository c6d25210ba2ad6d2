// The whole of data/ as start-up loads it.

#include "app/Engine.h"
#include "gfx/BitmapFont.h"

#include <allegro.h>
#include <gtest/gtest.h>

TEST(Catalogue, LoadsEverythingStartUpNeedsWithoutAProblem) {
    Engine& engine = Engine::instance();
    for (const std::string& problem : engine.loadData("data"))
        ADD_FAILURE() << problem;

    // The caption is cut to 10 pixels high: "Game Over" must fit whole.
    ASSERT_NE(engine.gameOverCaption, nullptr);
    const BITMAP* caption = engine.gameOverCaption;
    int lowestInk = -1;
    for (int y = 0; y < caption->h; ++y)
        for (int x = 0; x < caption->w; ++x)
            if (getpixel(const_cast<BITMAP*>(caption), x, y) != makecol(255, 0, 255))
                lowestInk = y;
    EXPECT_GE(lowestInk, 0);
    int tallest = 0;
    for (const char* c = "Game Over"; *c; ++c)
        tallest = std::max(tallest, engine.fontMainRed->glyphs[static_cast<unsigned char>(*c)]->h);
    EXPECT_LE(tallest, caption->h);
}
