#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"
#include "support/Headless.h"
#include "support/PackedBytes.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Animation 0: 4 frames at 8 per second (a 0.5 s cycle). Animation 1: 2 frames
// at 8 per second (0.25 s). Animation 2: rate 0. Frame i is i + 1 pixels wide.
class SpritePlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string path = makeTempFolder() + "/sheet.sz";
        std::vector<SheetFrame> frames;
        for (unsigned i = 0; i < 6; ++i)
            frames.push_back({0, 0, i + 1, 1});
        writeGzipFile(path, sheetBytes(solidImageBytes(6, 1, {1, 2, 3}), frames,
                                       {{8.0f, {0, 1, 2, 3}}, {8.0f, {4, 5}}, {0.0f, {0, 1}}}));
        sheet = std::make_unique<SpriteSheet>(path);
        ASSERT_EQ(sheet->animationCount, 3u);
    }

    std::unique_ptr<SpriteSheet> sheet;
};

} // namespace

TEST_F(SpritePlayerTest, ACycleEndsExactlyOnTime) {
    SpritePlayer player(sheet.get());
    for (int step = 0; step < 3; ++step)
        player.advance(0.125f);
    EXPECT_FLOAT_EQ(player.time, 0.375f);
    EXPECT_EQ(player.frameWidth(), 4);
    player.advance(0.125f);
    EXPECT_EQ(player.time, 0.0f);
    EXPECT_EQ(player.animation, 0);
}

TEST_F(SpritePlayerTest, PlayThenCarriesTheLeftoverIntoTheNextAnimation) {
    SpritePlayer player(sheet.get());
    player.advance(0.3f);
    player.playThen(1, 0);
    EXPECT_EQ(player.time, 0.0f);
    EXPECT_EQ(player.frameWidth(), 5);
    player.advance(0.2f);
    EXPECT_EQ(player.animation, 1);
    EXPECT_EQ(player.frameWidth(), 6);
    player.advance(0.1f);
    EXPECT_EQ(player.animation, 0);
    EXPECT_NEAR(player.time, 0.05f, 1e-6);
    EXPECT_TRUE(player.queue.empty());
}

TEST_F(SpritePlayerTest, OneAdvanceEndsOneCycleAtMost) {
    SpritePlayer player(sheet.get());
    player.queue = {1, 2};
    player.advance(1.2f); // more than two cycles of animation 0
    EXPECT_EQ(player.animation, 1);
    EXPECT_NEAR(player.time, 0.7f, 1e-6);
    player.advance(0.0f);
    EXPECT_EQ(player.animation, 2);
    EXPECT_NEAR(player.time, 0.45f, 1e-6);
}

TEST_F(SpritePlayerTest, ARateOfZeroNeverEndsSoTheQueueWaits) {
    SpritePlayer player(sheet.get());
    player.playThen(2, 0);
    player.advance(1000.0f);
    EXPECT_EQ(player.animation, 2);
    EXPECT_EQ(player.frameWidth(), 1);
}

TEST_F(SpritePlayerTest, SetAnimationKeepsTheQueue) {
    SpritePlayer player(sheet.get());
    player.playThen(0, 1);
    player.setAnimation(1);
    EXPECT_EQ(player.queue.size(), 1u);
    player.advance(0.25f);
    EXPECT_EQ(player.animation, 1); // the queued 1 took over after one cycle of 1
    EXPECT_TRUE(player.queue.empty());
}

TEST_F(SpritePlayerTest, WithoutASheetOrFrameItMeasuresAndDrawsNothing) {
    SpritePlayer none(nullptr);
    none.advance(1.0f);
    EXPECT_EQ(none.frameWidth(), 0);
    EXPECT_EQ(none.frameHeight(), 0);

    SpritePlayer outOfRange(sheet.get());
    outOfRange.setAnimation(7);
    outOfRange.advance(1.0f);
    EXPECT_EQ(outOfRange.frameWidth(), 0);

    BITMAP* target = create_bitmap(8, 8);
    clear_to_color(target, makecol(0, 0, 0));
    none.draw(target, 0, 0);
    outOfRange.draw(target, 0, 0);
    EXPECT_EQ(getpixel(target, 0, 0), makecol(0, 0, 0));
    SpritePlayer(sheet.get()).draw(target, 2, 3);
    EXPECT_EQ(getpixel(target, 2, 3), makecol(1, 2, 3));
    destroy_bitmap(target);
}
