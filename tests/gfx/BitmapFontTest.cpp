#include "gfx/BitmapFont.h"
#include "support/Headless.h"
#include "support/PackedBytes.h"
#include "window_locale/DecimalCommaLocale.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const Rgb kBorder{0, 255, 255};

// Lays glyph boxes out the way font images are drawn: rows starting at
// x = 1, `gap` border columns after each glyph, `rowGap` border rows between
// rows. Glyph i is painted in the colour (i + 1, 100, 50), so a drawn pixel
// tells which glyph it came from.
struct FontImage {
    std::vector<std::vector<int>> rows; // glyph widths, row by row
    int height = 7;
    int gap = 1;
    int rowGap = 1;
    bool closeRight = true;

    Bytes bytes() const {
        int width = 0;
        for (const auto& row : rows) {
            int rowWidth = 1;
            for (int glyph : row)
                rowWidth += glyph + gap;
            width = std::max(width, closeRight ? rowWidth : rowWidth - gap);
        }
        const int imageHeight = 1 + static_cast<int>(rows.size()) * (height + rowGap);
        std::vector<Rgb> pixels(width * imageHeight, kBorder);
        int code = 0;
        int y = 1;
        for (const auto& row : rows) {
            int x = 1;
            for (int glyph : row) {
                const Rgb colour{static_cast<unsigned char>(code + 1), 100, 50};
                for (int dy = 0; dy < height; ++dy)
                    for (int dx = 0; dx < glyph; ++dx)
                        pixels[(y + dy) * width + x + dx] = colour;
                x += glyph + gap;
                ++code;
            }
            y += height + rowGap;
        }
        return packedImageBytes(width, imageHeight, pixels);
    }

    std::unique_ptr<BitmapFont> load() const {
        const std::string path = makeTempFolder() + "/font.mz";
        writeGzipFile(path, bytes());
        return std::make_unique<BitmapFont>(path);
    }
};

// Glyphs for the codes 32 to 66: every one 3 wide, but A 5 and B 6.
FontImage alphabet() {
    std::vector<int> widths(35, 3);
    widths['A' - 32] = 5;
    widths['B' - 32] = 6;
    FontImage image;
    image.rows = {std::vector<int>(widths.begin(), widths.begin() + 20),
                  std::vector<int>(widths.begin() + 20, widths.end())};
    return image;
}

// Which glyph was drawn at (x, y): its index from code 32, or -1.
int glyphAt(BITMAP* bitmap, int x, int y) {
    const int colour = getpixel(bitmap, x, y);
    return getg(colour) == 100 ? getr(colour) - 1 : -1;
}

class BitmapFontTest : public ::testing::Test {
  protected:
    void SetUp() override {
        target = create_bitmap(200, 20);
        clear_to_color(target, makecol(0, 0, 0));
    }
    void TearDown() override { destroy_bitmap(target); }

    BITMAP* target = nullptr;
};

} // namespace

TEST_F(BitmapFontTest, LaysTextOutWithKerning) {
    const auto font = alphabet().load();
    font->kerning = 1;
    EXPECT_EQ(font->glyphs['A']->w, 5);
    EXPECT_EQ(font->glyphs['B']->w, 6);
    EXPECT_EQ(font->textWidth("AB"), 13);

    font->drawText(target, 10, 2, "AB");
    EXPECT_EQ(glyphAt(target, 9, 2), -1);
    EXPECT_EQ(glyphAt(target, 10, 2), 'A' - 32);
    EXPECT_EQ(glyphAt(target, 14, 8), 'A' - 32);
    EXPECT_EQ(glyphAt(target, 15, 2), -1);
    EXPECT_EQ(glyphAt(target, 16, 2), 'B' - 32);
    EXPECT_EQ(glyphAt(target, 21, 2), 'B' - 32);

    clear_to_color(target, makecol(0, 0, 0));
    font->drawTextCentred(target, 100, 0, "AB");
    EXPECT_EQ(glyphAt(target, 93, 0), -1);
    EXPECT_EQ(glyphAt(target, 94, 0), 'A' - 32);

    clear_to_color(target, makecol(0, 0, 0));
    font->drawTextRight(target, 100, 0, "AB");
    EXPECT_EQ(glyphAt(target, 86, 0), -1);
    EXPECT_EQ(glyphAt(target, 87, 0), 'A' - 32);

    font->kerning = -1;
    EXPECT_EQ(font->textWidth("AB"), 9);
}

TEST_F(BitmapFontTest, SkipsCharactersWithoutGlyphs) {
    FontImage three;
    three.rows = {{2, 3, 4}};
    const auto font = three.load();
    font->kerning = 1;
    EXPECT_NE(font->glyphs[' '], nullptr);
    EXPECT_NE(font->glyphs['!'], nullptr);
    EXPECT_NE(font->glyphs['"'], nullptr);
    EXPECT_EQ(font->glyphs['#'], nullptr);
    EXPECT_EQ(font->textWidth(""), 0);
    EXPECT_EQ(font->textWidth("#\x01\xff"), 0);
    EXPECT_EQ(font->textWidth("!#!"), 8);
    font->drawText(target, 0, 0, "#A");
    EXPECT_EQ(glyphAt(target, 0, 0), -1);
}

TEST_F(BitmapFontTest, AcceptsWideGapsBetweenGlyphsAndRows) {
    FontImage spaced = alphabet();
    spaced.gap = 2;
    spaced.rowGap = 3;
    const auto font = spaced.load();
    EXPECT_EQ(font->glyphs['A']->w, 5);
    EXPECT_EQ(font->glyphs['B']->w, 6);
    EXPECT_EQ(font->glyphs['B']->h, 7);
    EXPECT_NE(font->glyphs['B'], nullptr);
    EXPECT_EQ(font->glyphs['C'], nullptr);
}

TEST_F(BitmapFontTest, AGlyphOpenToTheImageEdgeStopsThere) {
    FontImage open;
    open.rows = {{2, 4}};
    open.rowGap = 0;
    open.closeRight = false;
    const auto font = open.load();
    ASSERT_NE(font->glyphs['!'], nullptr);
    EXPECT_EQ(font->glyphs['!']->w, 4);
    EXPECT_EQ(font->glyphs['!']->h, 7);
    EXPECT_EQ(font->glyphs['"'], nullptr);
}

TEST_F(BitmapFontTest, MaskColourInsideAGlyphStaysTransparent) {
    Bytes bytes = packedImageBytes(
        4, 3, {kBorder, kBorder, kBorder, kBorder, kBorder, {9, 9, 9}, {255, 0, 255}, kBorder,
               kBorder, kBorder, kBorder, kBorder});
    const std::string path = makeTempFolder() + "/font.mz";
    writeGzipFile(path, bytes);
    const BitmapFont font(path);
    ASSERT_NE(font.glyphs[' '], nullptr);
    clear_to_color(target, makecol(1, 1, 1));
    font.drawText(target, 0, 0, " ");
    EXPECT_EQ(getpixel(target, 0, 0), makecol(9, 9, 9));
    EXPECT_EQ(getpixel(target, 1, 0), makecol(1, 1, 1));
}

TEST_F(BitmapFontTest, FormatsAndCutsLongTextsAt511Characters) {
    const auto font = alphabet().load();
    font->kerning = 1;
    EXPECT_EQ(font->textWidthf("%c%c", 'A', 'B'), 13);
    const std::string longText(600, 'A');
    EXPECT_EQ(font->textWidthf("%s", longText.c_str()), 511 * 6);
    font->drawTextRightf(target, 100, 0, "%s", "A");
    EXPECT_EQ(glyphAt(target, 94, 0), 'A' - 32);
    font->drawTextCentredf(target, 50, 10, "%d", 1);
    font->drawTextf(target, 0, 10, "%s", "B");
    EXPECT_EQ(glyphAt(target, 0, 10), 'B' - 32);
}

TEST_F(BitmapFontTest, FormatsNumbersWithAPointInADecimalCommaLocale) {
    const auto font = alphabet().load();
    const decimalComma::SwitchedProcess german(makeTempFolder());
    ASSERT_TRUE(german.switched) << "localedef could not make " << decimalComma::kLocaleName;
    font->drawTextf(target, 0, 0, "%.1f", 2.5);
    EXPECT_EQ(glyphAt(target, 0, 0), '2' - 32);
    EXPECT_EQ(glyphAt(target, 3, 0), '.' - 32);
    EXPECT_EQ(glyphAt(target, 6, 0), '5' - 32);
}

TEST_F(BitmapFontTest, AMissingImageGivesAFontThatDrawsNothing) {
    const BitmapFont font(makeTempFolder() + "/absent.mz");
    EXPECT_EQ(font.image, nullptr);
    EXPECT_EQ(font.textWidth("AB"), 0);
    font.drawText(target, 0, 0, "AB");
    EXPECT_EQ(getpixel(target, 0, 0), makecol(0, 0, 0));
}
