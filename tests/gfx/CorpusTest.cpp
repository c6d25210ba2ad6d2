// Broken files of every format, made here from good ones by cutting them short
// and by overwriting bytes. None may crash the game or make it touch memory
// outside a bitmap; the sanitizer build runs the same corpus. Read again with
// a list of problems, each loads exactly as without one, and the list holds a
// refusal exactly when the loader gives nothing.

#include "gfx/BitmapFont.h"
#include "gfx/PackedImage.h"
#include "gfx/SpriteSheet.h"
#include "support/Headless.h"
#include "support/PackedBytes.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>

namespace {

constexpr int kMutantsPerFile = 300;

Bytes goodImage() {
    std::vector<Rgb> pixels;
    for (int i = 0; i < 6 * 4; ++i)
        pixels.push_back(Rgb{static_cast<unsigned char>(i * 10), 40, 255});
    return packedImageBytes(6, 4, pixels);
}

Bytes goodSheet() {
    return sheetBytes(goodImage(), {{0, 0, 3, 4}, {3, 0, 3, 4}, {1, 1, 2, 2}},
                      {{4.0f, {0, 1}}, {1.0f, {2}}, {8.0f, {2, 1, 0}}});
}

Bytes goodFont() {
    const Rgb border{0, 0, 0};
    const Rgb ink{250, 250, 250};
    // Three 2 x 3 glyphs on one row, then two on the next.
    const int width = 10;
    const int height = 9;
    std::vector<Rgb> pixels(width * height, border);
    for (int y : {1, 5})
        for (int g = 0; g < (y == 1 ? 3 : 2); ++g)
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    pixels[(y + dy) * width + 1 + 3 * g + dx] = ink;
    return packedImageBytes(width, height, pixels);
}

// Every prefix, then mutants with one to four bytes overwritten, each written
// both compressed and as plain bytes.
void forEachBrokenVersion(const Bytes& good, const std::function<void(const Bytes&, bool)>& use) {
    for (size_t length = 0; length < good.size(); ++length) {
        const Bytes prefix(good.begin(), good.begin() + length);
        use(prefix, length % 2 == 0);
    }
    std::mt19937 random(20261207);
    for (int i = 0; i < kMutantsPerFile; ++i) {
        Bytes mutant = good;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int c = 0; c < changes; ++c) {
            const size_t at = random() % mutant.size();
            // Mostly extremes, which is where counts and sizes break.
            const unsigned pick = random() % 4;
            mutant[at] = pick == 0 ? 0x00 : pick == 1 ? 0xFF : static_cast<unsigned char>(random());
        }
        use(mutant, i % 2 == 0);
    }
}

std::string writeVersion(const std::string& folder, const std::string& name, const Bytes& bytes,
                         bool compressed) {
    const std::string path = folder + "/" + name;
    if (compressed)
        writeGzipFile(path, bytes);
    else
        writeFile(path, bytes);
    return path;
}

bool anyRefused(const std::vector<Problem>& problems) {
    return std::any_of(problems.begin(), problems.end(),
                       [](const Problem& p) { return p.refused; });
}

// Both null, or the same place in the same size and pixels.
void expectSameBitmap(BITMAP* expected, BITMAP* actual) {
    ASSERT_EQ(expected == nullptr, actual == nullptr);
    if (!expected)
        return;
    ASSERT_EQ(expected->w, actual->w);
    ASSERT_EQ(expected->h, actual->h);
    EXPECT_EQ(expected->x_ofs, actual->x_ofs);
    EXPECT_EQ(expected->y_ofs, actual->y_ofs);
    for (int y = 0; y < expected->h; ++y)
        for (int x = 0; x < expected->w; ++x)
            ASSERT_EQ(getpixel(expected, x, y), getpixel(actual, x, y)) << x << "," << y;
}

class Corpus : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = makeTempFolder();
        target = create_bitmap(64, 64);
    }
    void TearDown() override { destroy_bitmap(target); }

    std::string folder;
    BITMAP* target = nullptr;
};

} // namespace

TEST_F(Corpus, BrokenImagesLoadOrGiveNull) {
    forEachBrokenVersion(goodImage(), [&](const Bytes& bytes, bool compressed) {
        const std::string path = writeVersion(folder, "x.mz", bytes, compressed);
        BITMAP* image = load_bitmap(path.c_str(), nullptr);
        std::vector<Problem> problems;
        BITMAP* reported = readPackedImageFile(path, &problems);
        expectSameBitmap(image, reported);
        EXPECT_EQ(anyRefused(problems), image == nullptr);
        if (reported)
            destroy_bitmap(reported);
        if (image) {
            blit(image, target, 0, 0, 0, 0, image->w, image->h);
            destroy_bitmap(image);
        }
    });
}

TEST_F(Corpus, BrokenSheetsLoadWholeOrEmpty) {
    forEachBrokenVersion(goodSheet(), [&](const Bytes& bytes, bool compressed) {
        const std::string path = writeVersion(folder, "x.sz", bytes, compressed);
        const SpriteSheet sheet(path);
        std::vector<Problem> problems;
        const SpriteSheet reported(path, &problems);
        expectSameBitmap(sheet.image, reported.image);
        ASSERT_EQ(sheet.frames.size(), reported.frames.size());
        for (size_t f = 0; f < sheet.frames.size(); ++f)
            expectSameBitmap(sheet.frames[f], reported.frames[f]);
        ASSERT_EQ(sheet.animationCount, reported.animationCount);
        for (unsigned a = 0; a < sheet.animationCount; ++a)
            EXPECT_EQ(sheet.animations[a].frameNumbers, reported.animations[a].frameNumbers);
        EXPECT_EQ(anyRefused(problems), sheet.image == nullptr);
        if (sheet.animationCount == 0 && sheet.frames.empty())
            return;
        ASSERT_NE(sheet.image, nullptr);
        ASSERT_EQ(sheet.animations.size(), sheet.animationCount);
        for (BITMAP* frame : sheet.frames) {
            ASSERT_LE(frame->x_ofs + frame->w, sheet.image->w);
            ASSERT_LE(frame->y_ofs + frame->h, sheet.image->h);
        }
        for (unsigned a = 0; a <= sheet.animationCount; ++a)
            for (float time : {0.0f, 0.3f, 7.9f, 1e9f})
                sheet.drawFrame(target, 1, 1, a, time);
    });
}

TEST_F(Corpus, BrokenFontsLoadAndDraw) {
    forEachBrokenVersion(goodFont(), [&](const Bytes& bytes, bool compressed) {
        const std::string path = writeVersion(folder, "x.mz", bytes, compressed);
        const BitmapFont font(path);
        std::vector<Problem> problems;
        const BitmapFont reported(path, &problems);
        expectSameBitmap(font.image, reported.image);
        for (int code = 0; code < 256; ++code)
            expectSameBitmap(font.glyphs[code], reported.glyphs[code]);
        EXPECT_EQ(anyRefused(problems), font.image == nullptr);
        font.drawText(target, 0, 0, " !\"#$%");
        font.textWidth(" !\"#$%");
    });
}
