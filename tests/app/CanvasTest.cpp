#include "app/Canvas.h"

#include <allegro.h>
#include <gtest/gtest.h>

namespace {

int greyOf(int r, int g, int b) {
    BITMAP* pixel = create_bitmap(1, 1);
    putpixel(pixel, 0, 0, makecol(r, g, b));
    greyOut(pixel);
    const int colour = getpixel(pixel, 0, 0);
    destroy_bitmap(pixel);
    EXPECT_EQ(getr(colour), getg(colour));
    EXPECT_EQ(getr(colour), getb(colour));
    return getr(colour);
}

} // namespace

TEST(GreyOut, WeighsTheChannelsLikeTheEye) {
    EXPECT_EQ(greyOf(0, 0, 0), 0);
    EXPECT_EQ(greyOf(255, 0, 0), 76);
    EXPECT_EQ(greyOf(0, 255, 0), 150);
    EXPECT_EQ(greyOf(0, 0, 255), 28);
    EXPECT_EQ(greyOf(255, 255, 255), 255);
    // The mask colour is converted too: nothing stays transparent.
    EXPECT_EQ(greyOf(255, 0, 255), 104);
}

TEST(GreyOut, LeavesAnEmptyBitmapAlone) {
    BITMAP* empty = create_bitmap(0, 0);
    ASSERT_NE(empty, nullptr);
    greyOut(empty);
    destroy_bitmap(empty);
    greyOut(nullptr);
}

TEST(Canvas, StretchesEachPixelToATwoByTwoBlock) {
    Canvas canvas(320, 240);
    clear_to_color(canvas.bitmap, makecol(0, 0, 255));
    putpixel(canvas.bitmap, 0, 0, makecol(255, 0, 0));
    putpixel(canvas.bitmap, 319, 239, makecol(0, 255, 0));
    putpixel(canvas.bitmap, 100, 50, makecol(255, 255, 0));

    BITMAP* window = create_bitmap(640, 480);
    canvas.stretchOnto(window);
    for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
            EXPECT_EQ(getpixel(window, dx, dy), makecol(255, 0, 0));
            EXPECT_EQ(getpixel(window, 638 + dx, 478 + dy), makecol(0, 255, 0));
            EXPECT_EQ(getpixel(window, 200 + dx, 100 + dy), makecol(255, 255, 0));
        }
    }
    EXPECT_EQ(getpixel(window, 202, 100), makecol(0, 0, 255));
    EXPECT_EQ(getpixel(window, 200, 102), makecol(0, 0, 255));
    destroy_bitmap(window);

    canvas.stretchToScreen(); // no graphics mode here: must do nothing
}
