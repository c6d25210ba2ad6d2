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

TEST(GreyOut, KeepsToTheClipRectangleOnTheFastPathAsPutpixelDoes) {
    // A 32-bit memory bitmap takes the row walk, a 24-bit one the per-pixel
    // calls; both must grey exactly the clip rectangle.
    BITMAP* fast = create_bitmap_ex(32, 40, 30);
    BITMAP* perPixel = create_bitmap_ex(24, 40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            putpixel(fast, x, y, makecol_depth(32, 6 * x, 8 * y, 200));
            putpixel(perPixel, x, y, makecol_depth(24, 6 * x, 8 * y, 200));
        }
    set_clip_rect(fast, 3, 4, 20, 25);
    set_clip_rect(perPixel, 3, 4, 20, 25);
    greyOut(fast);
    greyOut(perPixel);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const int a = getpixel(fast, x, y);
            const int b = getpixel(perPixel, x, y);
            ASSERT_EQ(getr32(a), getr24(b)) << x << ", " << y;
            ASSERT_EQ(getb32(a), getb24(b)) << x << ", " << y;
            const bool inside = x >= 3 && x <= 20 && y >= 4 && y <= 25;
            ASSERT_EQ(getb32(a) == 200, !inside) << x << ", " << y;
        }
    destroy_bitmap(fast);
    destroy_bitmap(perPixel);
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
