// The still pictures of data/, loaded as the catalogue loads them.

#include "ShippedData.h"

#include "app/Settings.h"
#include "game/TowerType.h"
#include "gfx/SpriteSheet.h"
#include "glpack/Palette.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace shippedData;

namespace {

constexpr int kCanvasWidth = 320;
constexpr int kCanvasHeight = 240;
constexpr int kStatusStripTop = 218;

// The colour that most pixels of a row have.
int commonColour(const BITMAP* bitmap, int y) {
    std::map<int, int> counts;
    for (int x = 0; x < bitmap->w; ++x)
        ++counts[rgb(bitmap, x, y)];
    return mostCommon(counts);
}

} // namespace

TEST(Background, FillsTheCanvasWithTheGroundLineWhereTheTowersStand) {
    const Bitmap bg = image("data/bg.mz");
    ASSERT_TRUE(bg);
    EXPECT_EQ(bg->w, kCanvasWidth);
    EXPECT_EQ(bg->h, kCanvasHeight);
    EXPECT_EQ(opaquePixels(bg.get(), 0, 0, bg->w, bg->h), bg->w * bg->h) << "no holes in the sky";

    // The ground line is one unbroken edge, unlike the scenery above it.
    const int baseline = settings().getInt("TowerBaseline");
    const int ground = rgb(bg.get(), 0, baseline);
    for (int x = 0; x < bg->w; ++x)
        ASSERT_EQ(rgb(bg.get(), x, baseline), ground) << "x " << x;
    EXPECT_NE(commonColour(bg.get(), baseline - 4), ground);
}

TEST(Background, KeepsTheStatusStripDarkSoThatTextReadsOnIt) {
    const Bitmap bg = image("data/bg.mz");
    ASSERT_TRUE(bg);
    int dark = 0, total = 0;
    for (int y = kStatusStripTop; y < bg->h; ++y)
        for (int x = 0; x < bg->w; ++x, ++total)
            if (brightness(rgb(bg.get(), x, y)) < 60)
                ++dark;
    EXPECT_GT(dark, total * 9 / 10);
}

TEST(Clouds, AreFiveDifferentShapesOnTheMask) {
    std::vector<Bitmap> clouds;
    for (int n = 1; n <= 5; ++n) {
        clouds.push_back(image("data/cloud" + std::to_string(n) + ".mz"));
        const BITMAP* cloud = clouds.back().get();
        ASSERT_TRUE(cloud) << n;
        const int opaque = opaquePixels(cloud, 0, 0, cloud->w, cloud->h);
        EXPECT_GT(opaque, 0) << n;
        EXPECT_LT(opaque, cloud->w * cloud->h) << "cloud " << n << " has no transparent edge";
        EXPECT_LT(cloud->w, kCanvasWidth / 2) << n;
    }
    for (size_t a = 0; a < clouds.size(); ++a)
        for (size_t b = a + 1; b < clouds.size(); ++b)
            EXPECT_TRUE(differ(clouds[a].get(), clouds[b].get())) << a + 1 << " and " << b + 1;
}

TEST(StatusStrip, ButtonFramesIconsAndHealthBarSitWhereTheScreenCutsThem) {
    constexpr int kSlot = 19, kIcon = 16;
    const Bitmap slots = image("data/slots.mz");
    ASSERT_TRUE(slots);
    ASSERT_GE(slots->w, 4 * kSlot);
    ASSERT_GE(slots->h, kSlot);
    std::vector<Bitmap> cells;
    for (int c = 0; c < 4; ++c) {
        cells.emplace_back(create_bitmap(kSlot, kSlot));
        blit(slots.get(), cells.back().get(), c * kSlot, 0, 0, 0, kSlot, kSlot);
        // The frame's edge must show, or the button has no outline.
        EXPECT_GT(opaquePixels(slots.get(), c * kSlot, 0, kSlot, 1), kSlot / 2) << "cell " << c;
    }
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            EXPECT_TRUE(differ(cells[a].get(), cells[b].get())) << "cells " << a << " and " << b;

    const Bitmap icons = image("data/icons.mz");
    ASSERT_TRUE(icons);
    ASSERT_GE(icons->h, 2 * kIcon);
    for (int type = 0; type < towerTypeCount(); ++type) {
        const int x = kIcon * towerTypes()[type].iconCell;
        ASSERT_GE(icons->w, x + kIcon) << type;
        EXPECT_GT(opaquePixels(icons.get(), x, 0, kIcon, kIcon), kIcon * kIcon / 5) << type;
        // The disabled form is the same shape, greyed and darker.
        int normalLight = 0, disabledLight = 0;
        for (int y = 0; y < kIcon; ++y) {
            for (int i = x; i < x + kIcon; ++i) {
                const int normal = rgb(icons.get(), i, y),
                          disabled = rgb(icons.get(), i, y + kIcon);
                EXPECT_EQ(normal == kMask, disabled == kMask) << type << " at " << i << "," << y;
                if (normal != kMask) {
                    normalLight += brightness(normal);
                    disabledLight += brightness(disabled);
                    const int r = disabled >> 16, g = disabled >> 8 & 0xff, b = disabled & 0xff;
                    EXPECT_LT(std::max({r, g, b}) - std::min({r, g, b}), 0x50)
                        << "grey, not coloured";
                }
            }
        }
        EXPECT_LT(disabledLight, normalLight) << type;
    }

    const Bitmap upgrade = image("data/upgrade_icons.mz");
    ASSERT_TRUE(upgrade);
    ASSERT_GE(upgrade->w, kIcon);
    ASSERT_GE(upgrade->h, kIcon);
    EXPECT_GT(opaquePixels(upgrade.get(), 0, 0, kIcon, kIcon), kIcon * kIcon / 5);

    const Bitmap bar = image("data/redbar.mz");
    ASSERT_TRUE(bar);
    ASSERT_GE(bar->w, 53);
    ASSERT_GE(bar->h, 20);
    for (int y = 1; y < 8; ++y)
        for (int x = 1; x < 51; ++x)
            ASSERT_TRUE(reddish(rgb(bar.get(), x, y)) || brightness(rgb(bar.get(), x, y)) > 0x90)
                << "fill at " << x << "," << y;
    // The frame's border shows all round the fill that is drawn into it.
    EXPECT_GT(opaquePixels(bar.get(), 0, 10, 53, 1), 45);
    EXPECT_GT(opaquePixels(bar.get(), 0, 19, 53, 1), 45);
}

TEST(StatusStrip, SelectorFramesTheLargestTower) {
    const Bitmap selector = image("data/selector.mz");
    ASSERT_TRUE(selector);
    for (int n = 1; n <= 3; ++n) {
        const SpriteSheet sheet(settings().get("Tower" + std::to_string(n) + "Sprite"));
        const BITMAP* rest = sheet.selectFrame(0, 0.0f);
        ASSERT_NE(rest, nullptr) << n;
        EXPECT_GT(selector->w, rest->w) << n;
        EXPECT_GT(selector->h, rest->h) << n;
    }
    // A frame, not a block: the middle stays see-through.
    EXPECT_EQ(opaquePixels(selector.get(), 4, 4, selector->w - 8, selector->h - 8), 0);
}

TEST(Lasers, AreNarrowBrightBoltsOnTheMask) {
    for (const char* path : {"data/laser_small.mz", "data/laser_medium.mz"}) {
        const Bitmap bolt = image(path);
        ASSERT_TRUE(bolt) << path;
        EXPECT_LT(bolt->w, bolt->h) << path;
        EXPECT_NE(rgb(bolt.get(), bolt->w / 2, 1), kMask) << "the tip is drawn: " << path;
    }
}

TEST(Palette, EveryPictureInDataUsesOnlyThePaletteAndTheMask) {
    Palette palette;
    std::string error;
    ASSERT_TRUE(palette.load("art/palette.txt", error)) << error;
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator("data")) {
        const std::string path = entry.path().string();
        Bitmap picture;
        if (entry.path().extension() == ".mz") {
            picture = image(path);
        } else if (entry.path().extension() == ".sz") {
            SpriteSheet sheet(path);
            ASSERT_NE(sheet.image, nullptr) << path;
            picture.reset(create_bitmap(sheet.image->w, sheet.image->h));
            blit(sheet.image, picture.get(), 0, 0, 0, 0, sheet.image->w, sheet.image->h);
        } else {
            continue;
        }
        ASSERT_TRUE(picture) << path;
        ++checked;
        for (int y = 0; y < picture->h; ++y)
            for (int x = 0; x < picture->w; ++x)
                ASSERT_TRUE(palette.allows(rgb(picture.get(), x, y)))
                    << path << " at " << x << "," << y;
    }
    EXPECT_GT(checked, 20);
}
