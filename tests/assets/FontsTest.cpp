// The four fonts, cut by the game's own BitmapFont, and every text the game
// prints with them.

#include "ShippedData.h"

#include "app/Settings.h"
#include "gfx/BitmapFont.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace shippedData;

namespace {

// Texts are rendered into images this high.
constexpr int kTextHeight = 10;

const char* const kFontKeys[] = {"FontMain", "FontMainRed", "FontSmall", "FontSmallRed"};

BitmapFont* shippedFont(const std::string& key) {
    BitmapFont* loaded = new BitmapFont(settings().get(key));
    loaded->kerning = settings().getInt(key + "Kerning");
    return loaded;
}

// The colour most glyph pixels have: the ink, not the shadow.
int inkOf(const BitmapFont& f) {
    std::map<int, int> counts;
    for (int code = 'A'; code <= 'Z'; ++code) {
        const BITMAP* glyph = f.glyphs[code];
        for (int y = 0; y < glyph->h; ++y)
            for (int x = 0; x < glyph->w; ++x)
                if (rgb(glyph, x, y) != kMask)
                    ++counts[rgb(glyph, x, y)];
    }
    return mostCommon(counts);
}

} // namespace

TEST(Fonts, HaveAGlyphNoTallerThanATextImageForEveryPrintableCode) {
    for (const char* key : kFontKeys) {
        const std::unique_ptr<BitmapFont> f(shippedFont(key));
        ASSERT_NE(f->image, nullptr) << key;
        for (int code = 32; code <= 126; ++code) {
            const BITMAP* glyph = f->glyphs[code];
            ASSERT_NE(glyph, nullptr) << key << " code " << code;
            EXPECT_LE(glyph->h, kTextHeight) << key << " code " << code;
            EXPECT_GT(glyph->w, 0) << key << " code " << code;
            if (code > 32) {
                EXPECT_GT(opaquePixels(glyph, 0, 0, glyph->w, glyph->h), 0) << key << " " << code;
            }
        }
        for (int code = 127; code < 256; ++code)
            EXPECT_EQ(f->glyphs[code], nullptr) << key << " code " << code;
    }
}

TEST(Fonts, MainIsTallerThanSmallAndTheRedOnesAreRed) {
    const std::unique_ptr<BitmapFont> main(shippedFont("FontMain")),
        mainRed(shippedFont("FontMainRed")), small(shippedFont("FontSmall")),
        smallRed(shippedFont("FontSmallRed"));
    EXPECT_GT(main->glyphs['A']->h, small->glyphs['A']->h);
    EXPECT_EQ(main->glyphs['A']->h, mainRed->glyphs['A']->h);
    EXPECT_EQ(small->glyphs['A']->h, smallRed->glyphs['A']->h);
    EXPECT_GT(brightness(inkOf(*main)), 200);
    EXPECT_GT(brightness(inkOf(*small)), 200);
    EXPECT_TRUE(reddish(inkOf(*mainRed)));
    EXPECT_TRUE(reddish(inkOf(*smallRed)));
}

TEST(Fonts, EveryTextOfTheScreenFitsItsPlace) {
    const std::unique_ptr<BitmapFont> main(shippedFont("FontMain")),
        mainRed(shippedFont("FontMainRed")), small(shippedFont("FontSmall"));
    const int spacing = settings().getInt("ButtonSpacing");

    // The caption is drawn doubled and centred, above the waves-defeated line.
    EXPECT_LE(2 * (mainRed->textWidth("Game Over") + 2), 320);

    // Menu texts end left of the buttons and start right of the status display.
    constexpr int kStatusRight = 64;
    for (int n = 1; n <= 3; ++n) {
        const std::string name = settings().get("Tower" + std::to_string(n) + "Name");
        ASSERT_FALSE(name.empty()) << n;
        EXPECT_GE(317 - 3 * spacing - main->textWidth(name.c_str()), kStatusRight) << name;
        const std::string placing =
            "Placing " + name + " - $" + settings().get("Tower" + std::to_string(n) + "Value");
        EXPECT_GE(317 - spacing - main->textWidth(placing.c_str()), kStatusRight) << placing;
    }
    EXPECT_GE(317 - 3 * spacing - mainRed->textWidth("Not Available"), kStatusRight);
    EXPECT_GE(317 - spacing - main->textWidth("Demolish Building"), kStatusRight);
    EXPECT_GE(317 - spacing - small->textWidth("Right click to cancel"), kStatusRight);
    // The health number sits inside the 50-pixel bar; money fits left of the menu.
    EXPECT_LT(small->textWidth("20"), 50);
    EXPECT_LT(main->textWidth("$ 99999"), kStatusRight + 40);
}
