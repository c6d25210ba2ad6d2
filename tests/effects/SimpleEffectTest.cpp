#include "effects/SimpleEffect.h"
#include "effects/TestArt.h"
#include "gfx/SpritePlayer.h"

#include <allegro.h>
#include <gtest/gtest.h>

namespace {

// The most frames a test sheet here has.
constexpr int kMostFrames = 5;

// Animation 0: four 16 × 12 frames at 8 per second, a half-second cycle.
class SimpleEffectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sheet = testart::stripSheet(16, 12, 4, {{8.0f, {0, 1, 2, 3}}});
        ASSERT_EQ(sheet->animationCount, 1u);
        canvas = create_bitmap(320, 240);
    }
    void TearDown() override { destroy_bitmap(canvas); }

    // Which frame the effect shows at its corner, or -1 for none.
    int shownFrame(SimpleEffect& effect) {
        clear_to_color(canvas, makecol(0, 0, 0));
        effect.draw(canvas);
        const int colour = getpixel(canvas, static_cast<int>(effect.x), static_cast<int>(effect.y));
        for (int i = 0; i < kMostFrames; ++i)
            if (colour == testart::colourOf(testart::frameColour(i)))
                return i;
        return -1;
    }

    std::unique_ptr<SpriteSheet> sheet;
    BITMAP* canvas = nullptr;
};

} // namespace

TEST_F(SimpleEffectTest, IsCentredOnItsPointAndLastsOneCycle) {
    SimpleEffect effect(100, 60, sheet.get(), 0.0);
    EXPECT_EQ(effect.x, 92.0);
    EXPECT_EQ(effect.y, 54.0);
    EXPECT_EQ(effect.lifetime, 0.5);

    SimpleEffect odd(101, 61, sheet.get(), 0.0);
    EXPECT_EQ(odd.x, 93.0);
    EXPECT_EQ(odd.y, 55.0);
}

TEST_F(SimpleEffectTest, ADelayedEffectIsFrozenAndHiddenThenPlaysOnce) {
    SimpleEffect effect(100, 60, sheet.get(), 0.25);
    EXPECT_EQ(effect.lifetime, 0.75);

    EXPECT_EQ(shownFrame(effect), -1);
    effect.update(0.125);
    EXPECT_EQ(shownFrame(effect), -1);
    EXPECT_EQ(effect.player->time, 0.0f);
    effect.update(0.125);

    // The delay is over: the animation starts from its first frame.
    for (int frame = 0; frame < 4; ++frame) {
        SCOPED_TRACE(frame);
        EXPECT_EQ(shownFrame(effect), frame);
        EXPECT_LT(effect.age, effect.lifetime);
        effect.update(0.125);
    }
    EXPECT_EQ(effect.age, effect.lifetime);
}

// As the session runs it: drawn once when made, then each frame updated,
// removed once its age reaches the lifetime, drawn otherwise. The frames
// shown never go back, and the last one is the cycle's last.
TEST_F(SimpleEffectTest, EndsOnTheCyclesLastFrameAtAnyFrameRate) {
    const auto poof = testart::stripSheet(16, 16, 5, {{15.0f, {0, 1, 2, 3, 4}}});
    const auto puff = testart::stripSheet(8, 8, 5, {{14.0f, {0, 1, 2, 3, 4}}});
    const struct {
        const SpriteSheet* sheet;
        int frames;
    } sheets[] = {{sheet.get(), 4}, {poof.get(), 5}, {puff.get(), 5}};
    for (const auto& tried : sheets) {
        for (int fps = 30; fps <= 240; ++fps) {
            SCOPED_TRACE(testing::Message() << tried.frames << " frames at " << fps << " fps");
            SimpleEffect effect(100, 60, tried.sheet, 0.0);
            int shown = shownFrame(effect);
            ASSERT_EQ(shown, 0);
            while (true) {
                effect.update(1.0 / fps);
                if (effect.age >= effect.lifetime)
                    break;
                const int next = shownFrame(effect);
                ASSERT_GE(next, shown);
                shown = next;
            }
            EXPECT_EQ(shown, tried.frames - 1);
        }
    }
}

TEST_F(SimpleEffectTest, AnEffectWithoutACycleEndsWithItsDelay) {
    // A sheet that never loaded, and one whose animation never ends: neither
    // may leave an effect that lives for ever.
    const SpriteSheet missing("no/such/sheet.sz");
    SimpleEffect nothing(10, 10, &missing, 0.2);
    EXPECT_EQ(nothing.lifetime, 0.2);
    EXPECT_EQ(nothing.x, 10.0);

    const auto frozen = testart::stripSheet(4, 4, 2, {{0.0f, {0, 1}}});
    SimpleEffect still(10, 10, frozen.get(), 0.0);
    EXPECT_EQ(still.lifetime, 0.0);
}
