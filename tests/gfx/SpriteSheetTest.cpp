#include "gfx/SpriteSheet.h"
#include "support/Headless.h"
#include "support/PackedBytes.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Eight 1 x 1 frames in a row, each its own colour, so a frame is known by
// its pixel.
Bytes stripImage() {
    std::vector<Rgb> pixels;
    for (int i = 0; i < 8; ++i)
        pixels.push_back(Rgb{static_cast<unsigned char>(10 * i), 0, 0});
    return packedImageBytes(8, 1, pixels);
}

std::vector<SheetFrame> stripFrames() {
    std::vector<SheetFrame> frames;
    for (unsigned i = 0; i < 8; ++i)
        frames.push_back({i, 0, 1, 1});
    return frames;
}

std::unique_ptr<SpriteSheet> loadSheet(const Bytes& bytes) {
    const std::string path = makeTempFolder() + "/sheet.sz";
    writeGzipFile(path, bytes);
    return std::make_unique<SpriteSheet>(path);
}

std::unique_ptr<SpriteSheet> stripSheet(const std::vector<SheetAnimation>& animations) {
    return loadSheet(sheetBytes(stripImage(), stripFrames(), animations));
}

int frameIndex(const SpriteSheet& sheet, unsigned animation, float time) {
    const BITMAP* frame = sheet.selectFrame(animation, time);
    return frame ? getr(getpixel(const_cast<BITMAP*>(frame), 0, 0)) / 10 : -1;
}

} // namespace

TEST(SpriteSheet, SelectsFramesByTimeAndLoops) {
    const auto sheet = stripSheet({{1.0f, {0}}, {4.0f, {5, 6, 7}}, {0.0f, {3}}});
    ASSERT_EQ(sheet->animationCount, 3u);
    EXPECT_EQ(frameIndex(*sheet, 1, 0.0f), 5);
    EXPECT_EQ(frameIndex(*sheet, 1, 0.249f), 5);
    EXPECT_EQ(frameIndex(*sheet, 1, 0.25f), 6);
    EXPECT_EQ(frameIndex(*sheet, 1, 0.5f), 7);
    EXPECT_EQ(frameIndex(*sheet, 1, 0.75f), 5);
    EXPECT_EQ(frameIndex(*sheet, 1, 300.25f), 6); // k = 1201, 1201 mod 3 = 1
    EXPECT_EQ(frameIndex(*sheet, 2, 0.0f), 3); // one frame, rate 0: any time
    EXPECT_EQ(frameIndex(*sheet, 2, 99.0f), 3);
    EXPECT_EQ(frameIndex(*sheet, 3, 0.0f), -1); // no such animation
}

TEST(SpriteSheet, DrawsFramesMaskedAndNothingForAMissingAnimation) {
    const Bytes image = packedImageBytes(2, 1, {{255, 0, 255}, {0, 0, 255}});
    const auto sheet = loadSheet(sheetBytes(image, {{0, 0, 2, 1}}, {{1.0f, {0}}}));
    BITMAP* target = create_bitmap(3, 1);
    clear_to_color(target, makecol(0, 255, 0));
    sheet->drawFrame(target, 1, 0, 0, 0.0f);
    sheet->drawFrame(target, 0, 0, 1, 0.0f);
    sheet->drawFrame(nullptr, 0, 0, 0, 0.0f);
    EXPECT_EQ(getpixel(target, 0, 0), makecol(0, 255, 0));
    EXPECT_EQ(getpixel(target, 1, 0), makecol(0, 255, 0));
    EXPECT_EQ(getpixel(target, 2, 0), makecol(0, 0, 255));
    destroy_bitmap(target);
}

TEST(SpriteSheet, InconsistentFilesLoadAsEmptySheets) {
    const Bytes good = sheetBytes(stripImage(), stripFrames(), {{2.0f, {0, 1}}});
    ASSERT_EQ(loadSheet(good)->animationCount, 1u);

    Bytes cut = good;
    cut.resize(cut.size() - 1);
    const Bytes outside = sheetBytes(stripImage(), {{7, 0, 2, 1}}, {{1.0f, {0}}});
    const Bytes badFrame = sheetBytes(stripImage(), stripFrames(), {{1.0f, {8}}});
    const Bytes noFrames = sheetBytes(stripImage(), stripFrames(), {{1.0f, {}}});
    Bytes countsTooHigh = stripImage();
    appendU16(countsTooHigh, 60000);

    for (const Bytes& bytes : {cut, outside, badFrame, noFrames, countsTooHigh}) {
        const auto sheet = loadSheet(bytes);
        EXPECT_EQ(sheet->image, nullptr);
        EXPECT_EQ(sheet->animationCount, 0u);
        EXPECT_TRUE(sheet->frames.empty());
        EXPECT_EQ(sheet->selectFrame(0, 0.0f), nullptr);
    }
    EXPECT_EQ(SpriteSheet(makeTempFolder() + "/absent.sz").animationCount, 0u);
}
