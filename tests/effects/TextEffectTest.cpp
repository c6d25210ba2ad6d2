#include "effects/TextEffect.h"
#include "effects/BounceTextEffect.h"
#include "effects/TestArt.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

using testart::FramedPlayfield;

namespace {

const Rgb kInk{255, 255, 255};

// Glyphs 5 wide and a full 10 high, so that the whole text image but its two
// spare columns is ink, and kerning 0: a text of n characters is 5n wide.
class TextEffectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        font = testart::blockFont(kInk, 5, 10);
        canvas = create_bitmap(320, 240);
        clear_to_color(canvas, makecol(0, 0, 0));
    }
    void TearDown() override { destroy_bitmap(canvas); }

    bool inked(int x, int y) const { return getpixel(canvas, x, y) == makecol(255, 255, 255); }

    // The rows and columns of the canvas that hold ink, as [first, last].
    void inkedBox(int& left, int& top, int& right, int& bottom) const {
        left = top = 1 << 20;
        right = bottom = -1;
        for (int y = 0; y < canvas->h; ++y)
            for (int x = 0; x < canvas->w; ++x)
                if (inked(x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
    }

    std::unique_ptr<BitmapFont> font;
    BITMAP* canvas = nullptr;
};

} // namespace

TEST_F(TextEffectTest, TheTextIsRenderedOnceIntoAnImageTwoWiderThanItAndTenHigh) {
    font->kerning = 1;
    TextEffect text(0, 0, font.get(), "+12345");
    ASSERT_NE(text.image, nullptr);
    EXPECT_EQ(text.image->w, 6 * 6 + 2);
    EXPECT_EQ(text.image->h, 10);
    EXPECT_EQ(getpixel(text.image, 0, 0), makecol(255, 255, 255));
    EXPECT_EQ(getpixel(text.image, 37, 0), makecol(255, 0, 255));

    // A font taller than the image is cut at ten rows; one that draws nothing
    // still gives an image to copy.
    const auto tall = testart::blockFont(kInk, 3, 14);
    TextEffect cut(0, 0, tall.get(), "-1");
    EXPECT_EQ(cut.image->h, 10);
    TextEffect empty(0, 0, nullptr, "-1");
    ASSERT_NE(empty.image, nullptr);
    EXPECT_EQ(empty.image->w, 2);
}

TEST_F(TextEffectTest, DriftsUpAndToTheRightForOneSecond) {
    TextEffect text(100, 50, font.get(), "+5");
    EXPECT_EQ(text.lifetime, 1.0);
    text.update(0.25);
    text.update(0.25);
    EXPECT_DOUBLE_EQ(text.x, 108.0);
    EXPECT_DOUBLE_EQ(text.y, 42.0);
    text.update(0.25);
    text.update(0.25);
    EXPECT_EQ(text.age, text.lifetime);
    EXPECT_DOUBLE_EQ(text.x, 116.0);
    EXPECT_DOUBLE_EQ(text.y, 34.0);

    text.x = 20.9;
    text.y = 30.7;
    text.draw(canvas);
    int left, top, right, bottom;
    inkedBox(left, top, right, bottom);
    EXPECT_EQ(left, 20);
    EXPECT_EQ(top, 30);
    EXPECT_EQ(right, 29);
    EXPECT_EQ(bottom, 39);
}

TEST_F(TextEffectTest, TheTitleIsCentredAndDrawnAtTwiceItsSize) {
    BounceTextEffect title(160, 80, font.get(), "Wave 12345");
    ASSERT_EQ(title.image->w, 52);
    EXPECT_EQ(title.x, 108.0);
    EXPECT_EQ(title.y, 80.0);
    EXPECT_EQ(title.restY, 80.0);
    EXPECT_EQ(title.velocityY, -40.0);
    EXPECT_EQ(title.lifetime, 3.0);

    title.age = 1.0;
    title.draw(canvas);
    int left, top, right, bottom;
    inkedBox(left, top, right, bottom);
    // 104 pixels wide from 108, the last four being the doubled spare columns.
    EXPECT_EQ(left, 108);
    EXPECT_EQ(right, 207);
    EXPECT_EQ(top, 80);
    EXPECT_EQ(bottom, 99);
}

TEST_F(TextEffectTest, TheTitleUnfoldsAndFoldsAboutItsMiddleLine) {
    BounceTextEffect title(160, 80, font.get(), "Wave 1");
    struct Case {
        double age;
        int top, bottom; // drawn rows, or -1 when nothing is drawn
    };
    const Case cases[] = {
        {0.0, -1, -1},   // not unfolded at all
        {0.075, 85, 94}, // half unfolded: 10 rows about the middle line
        {0.15, 80, 99},  // full size
        {2.39, 80, 99},  // still full size
        {2.475, 85, 94}, // half folded
        {2.55, -1, -1},  // folded away
        {2.9, -1, -1},   // alive but not drawn until it is removed
        {100.0, -1, -1}, // long gone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.age);
        clear_to_color(canvas, makecol(0, 0, 0));
        title.age = c.age;
        title.draw(canvas);
        int left, top, right, bottom;
        inkedBox(left, top, right, bottom);
        EXPECT_EQ(bottom, c.bottom);
        if (c.top >= 0) {
            EXPECT_EQ(top, c.top);
        }
    }
}

TEST_F(TextEffectTest, TheTitleHopsBouncesAtSixtyPercentAndSettles) {
    BounceTextEffect title(160, 80, font.get(), "Wave 1");

    // Still while it unfolds.
    title.update(0.1);
    EXPECT_EQ(title.y, 80.0);
    EXPECT_EQ(title.velocityY, -40.0);

    // Hops with the speed it had, then gravity pulls.
    title.update(0.1);
    EXPECT_DOUBLE_EQ(title.y, 76.0);
    EXPECT_DOUBLE_EQ(title.velocityY, -31.0);

    // Falling through the line puts it on the line, going up at 60 %.
    title.age = 1.0;
    title.y = 79.0;
    title.velocityY = 30.0;
    title.update(0.1);
    EXPECT_EQ(title.y, 80.0);
    EXPECT_DOUBLE_EQ(title.velocityY, -23.4);

    // Settled after 1.4 s, even above its line.
    title.age = 1.35;
    title.y = 70.0;
    title.velocityY = -10.0;
    title.update(0.1);
    EXPECT_DOUBLE_EQ(title.y, 69.0);
    EXPECT_EQ(title.velocityY, 0.0);
    title.update(0.5);
    EXPECT_DOUBLE_EQ(title.y, 69.0);
}

TEST_F(TextEffectTest, TheTitleNeverFallsBelowItsLine) {
    BounceTextEffect title(160, 80, font.get(), "Wave 1");
    double highest = 80.0;
    while (title.age < title.lifetime) {
        title.update(1.0 / 60.0);
        EXPECT_LE(title.y, title.restY);
        highest = std::min(highest, title.y);
    }
    EXPECT_LT(highest, 73.0);
    EXPECT_EQ(title.velocityY, 0.0);
}

TEST_F(TextEffectTest, TextsNeverDrawOutsideThePlayfield) {
    const std::string wide(100, 'W'); // 500 pixels, wider than the playfield
    const int places[][2] = {{-50, 100},     {250, 100},       {100, -5},     {100, 235},
                             {-1000, -1000}, {100000, 100000}, {-100000, 50}, {160, 80}};
    for (const auto& place : places) {
        SCOPED_TRACE(testing::Message() << place[0] << ", " << place[1]);
        FramedPlayfield field;
        TextEffect text(place[0], place[1], font.get(), wide.c_str());
        text.draw(field.playfield);
        BounceTextEffect title(place[0], place[1], font.get(), wide.c_str());
        for (double age : {0.05, 0.1, 1.0, 2.45, 2.5}) {
            title.age = age;
            title.draw(field.playfield);
        }
        EXPECT_EQ(field.touchedOutside(), 0);
    }

    // The framing does catch a stray pixel.
    FramedPlayfield field;
    TextEffect text(-50, 100, font.get(), wide.c_str());
    text.draw(field.parent);
    EXPECT_GT(field.touchedOutside(), 0);
}
