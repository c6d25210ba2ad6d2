// A spark draws only its recorded runs of bolt and glow; masked_blit of its
// whole image must not be able to tell, wherever the spark stands, however
// far it reaches past the target's edges or clip rectangle.

#include "SamePixels.h"

#include "app/Random.h"
#include "effects/SparkEffect.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

BITMAP* noise(int width, int height) {
    BITMAP* bitmap = create_bitmap(width, height);
    Random::seed(21);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            putpixel(bitmap, x, y, makecol(Random::next() % 256, 40, Random::next() % 256));
    return bitmap;
}

// The spark at every position from wholly off the left and top of `drawn` to
// wholly off its right and bottom, drawn into `drawn` and masked_blit into
// `blitted`, whose wholes (the same bitmaps, or larger ones they are windows
// into) start each time as copies of `background`.
void expectMaskedBlitEverywhere(SparkEffect& spark, BITMAP* background, BITMAP* drawnWhole,
                                BITMAP* blittedWhole, BITMAP* drawn, BITMAP* blitted) {
    const BITMAP* image = spark.image;
    for (int top = -image->h - 1; top <= drawn->h + 1; ++top) {
        for (int left = -image->w - 1; left <= drawn->w + 1; ++left) {
            for (BITMAP* whole : {drawnWhole, blittedWhole})
                blit(background, whole, 0, 0, 0, 0, whole->w, whole->h);
            spark.x = left;
            spark.y = top;
            spark.draw(drawn);
            masked_blit(spark.image, blitted, 0, 0, left, top, image->w, image->h);
            ASSERT_TRUE(samePixels(drawnWhole, blittedWhole)) << "at " << left << ", " << top;
        }
    }
}

} // namespace

TEST(SparkDrawing, PutsTheSamePixelsAsMaskedBlitAtEveryPosition) {
    Random::seed(13);
    SparkEffect spark(10, 30, 26, 8);
    ASSERT_NE(spark.image, nullptr);
    BITMAP* background = noise(60, 50);
    BITMAP* drawn = create_bitmap(40, 30);
    BITMAP* blitted = create_bitmap(40, 30);
    expectMaskedBlitEverywhere(spark, background, drawn, blitted, drawn, blitted);

    // Clipped short of the bitmap's edges.
    set_clip_rect(drawn, 3, 2, 30, 25);
    set_clip_rect(blitted, 3, 2, 30, 25);
    expectMaskedBlitEverywhere(spark, background, drawn, blitted, drawn, blitted);
    set_clip_state(drawn, FALSE);
    set_clip_state(blitted, FALSE);
    expectMaskedBlitEverywhere(spark, background, drawn, blitted, drawn, blitted);
    destroy_bitmap(drawn);
    destroy_bitmap(blitted);

    // A window into a larger bitmap, which must stay untouched around it.
    BITMAP* parents[] = {create_bitmap(60, 50), create_bitmap(60, 50)};
    BITMAP* windows[] = {create_sub_bitmap(parents[0], 9, 7, 40, 30),
                         create_sub_bitmap(parents[1], 9, 7, 40, 30)};
    expectMaskedBlitEverywhere(spark, background, parents[0], parents[1], windows[0], windows[1]);
    for (int i = 0; i < 2; ++i) {
        destroy_bitmap(windows[i]);
        destroy_bitmap(parents[i]);
    }
    destroy_bitmap(background);
}
