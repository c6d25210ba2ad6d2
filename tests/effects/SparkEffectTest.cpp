#include "effects/SparkEffect.h"
#include "app/Random.h"
#include "effects/TestArt.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>

using testart::FramedPlayfield;

namespace {

int white() {
    return makecol(255, 255, 255);
}
int glow() {
    return makecol(64, 128, 255);
}
int mask() {
    return makecol(255, 0, 255);
}

bool whiteAt(BITMAP* image, int x, int y) {
    return x >= 0 && y >= 0 && x < image->w && y < image->h && getpixel(image, x, y) == white();
}

bool besideWhite(BITMAP* image, int x, int y) {
    return whiteAt(image, x + 1, y) || whiteAt(image, x - 1, y) || whiteAt(image, x, y + 1) ||
           whiteAt(image, x, y - 1);
}

bool cornerToWhite(BITMAP* image, int x, int y) {
    return whiteAt(image, x + 1, y + 1) || whiteAt(image, x - 1, y + 1) ||
           whiteAt(image, x + 1, y - 1) || whiteAt(image, x - 1, y - 1);
}

} // namespace

TEST(SparkEffectTest, TheImageHoldsBothEndsWithAFourPixelMargin) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        Random::seed(seed);
        SparkEffect forward(10, 50, 40, 20);
        EXPECT_EQ(forward.lifetime, 0.06);
        ASSERT_NE(forward.image, nullptr);
        EXPECT_EQ(forward.image->w, 38);
        EXPECT_EQ(forward.image->h, 38);
        EXPECT_EQ(forward.x, 6.0);
        EXPECT_EQ(forward.y, 16.0);
        EXPECT_EQ(getpixel(forward.image, 4, 34), white());
        EXPECT_EQ(getpixel(forward.image, 34, 4), white());

        // The same bolt drawn the other way round sits in the same place.
        SparkEffect backward(40, 20, 10, 50);
        EXPECT_EQ(backward.x, 6.0);
        EXPECT_EQ(backward.y, 16.0);
        EXPECT_EQ(getpixel(backward.image, 34, 4), white());
        EXPECT_EQ(getpixel(backward.image, 4, 34), white());
    }
}

TEST(SparkEffectTest, ABoltOnOnePointStaysNearIt) {
    for (unsigned seed = 1; seed <= 50; ++seed) {
        Random::seed(seed);
        SparkEffect spark(100, 100, 100, 100);
        ASSERT_EQ(spark.image->w, 8);
        ASSERT_EQ(spark.image->h, 8);
        EXPECT_EQ(spark.x, 96.0);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (getpixel(spark.image, x, y) == white()) {
                    EXPECT_LE(std::abs(x - 4), 3) << seed;
                    EXPECT_LE(std::abs(y - 4), 3) << seed;
                }
    }
}

TEST(SparkEffectTest, TheGlowIsOnePixelBesideTheBoltAndNeverOnItsCorners) {
    bool sawDiagonal = false;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        Random::seed(seed);
        SparkEffect spark(20, 200, 90, 150);
        BITMAP* image = spark.image;
        int glowing = 0;
        for (int y = 0; y < image->h; ++y)
            for (int x = 0; x < image->w; ++x) {
                const int colour = getpixel(image, x, y);
                if (colour == mask()) {
                    EXPECT_FALSE(besideWhite(image, x, y)) << x << ", " << y;
                    sawDiagonal = sawDiagonal || cornerToWhite(image, x, y);
                } else if (colour == glow()) {
                    EXPECT_TRUE(besideWhite(image, x, y)) << x << ", " << y;
                    ++glowing;
                } else {
                    EXPECT_EQ(colour, white());
                }
            }
        EXPECT_GT(glowing, 0);
    }
    EXPECT_TRUE(sawDiagonal);
}

TEST(SparkEffectTest, IsDrawnMaskedAtItsCorner) {
    Random::seed(7);
    SparkEffect spark(10, 50, 40, 20);
    BITMAP* canvas = create_bitmap(320, 240);
    clear_to_color(canvas, makecol(0, 0, 0));
    spark.draw(canvas);
    EXPECT_EQ(getpixel(canvas, 6 + 4, 16 + 34), white());
    EXPECT_EQ(getpixel(canvas, 6 + 34, 16 + 4), white());
    // The image's background is not copied.
    for (int y = 0; y < canvas->h; ++y)
        for (int x = 0; x < canvas->w; ++x)
            ASSERT_NE(getpixel(canvas, x, y), mask());
    spark.update(0.06);
    EXPECT_EQ(spark.age, spark.lifetime);
    destroy_bitmap(canvas);
}

TEST(SparkEffectTest, FarPointsNeitherMakeHugeImagesNorDrawOutside) {
    struct Ends {
        int x1, y1, x2, y2;
    };
    const Ends cases[] = {
        {0, 0, 100000, 100000},    {160, 210, -100000, -100000},
        {160, 210, 160, -5000000}, {-3, -3, 5, 5},
        {315, 235, 330, 250},      {2147483000, 0, -2147483000, 0},
        {160, 120, 160, 120},      {0, 239, 319, 0},
    };
    for (const Ends& e : cases) {
        SCOPED_TRACE(testing::Message() << e.x1 << ", " << e.y1 << " to " << e.x2 << ", " << e.y2);
        Random::seed(3);
        SparkEffect spark(e.x1, e.y1, e.x2, e.y2);
        ASSERT_NE(spark.image, nullptr);
        EXPECT_LE(spark.image->w, 320 + 2 * 16 + 8);
        EXPECT_LE(spark.image->h, 240 + 2 * 16 + 8);
        FramedPlayfield field;
        spark.draw(field.playfield);
        EXPECT_EQ(field.touchedOutside(), 0);
        EXPECT_GT(field.touchedInside(), 0);
    }
}

TEST(SparkEffectTest, AFarBoltIsCutAtTheEdgeButKeepsItsDirection) {
    Random::seed(5);
    SparkEffect spark(160, 210, 160, -1000000);
    ASSERT_NE(spark.image, nullptr);
    // Straight up from the coil to 16 pixels above the playfield.
    EXPECT_EQ(spark.x, 156.0);
    EXPECT_EQ(spark.y, -16.0 - 4.0);
    EXPECT_EQ(spark.image->h, 210 + 16 + 8);
    EXPECT_EQ(getpixel(spark.image, 4, spark.image->h - 5), white());

    // A bolt wholly out of sight has nothing to show.
    SparkEffect unseen(-5000, -5000, -4000, -6000);
    EXPECT_EQ(unseen.image, nullptr);
    BITMAP* canvas = create_bitmap(320, 240);
    unseen.draw(canvas);
    destroy_bitmap(canvas);
}
