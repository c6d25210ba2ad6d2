#include "gfx/PackedImage.h"
#include "app/FileNames.h"
#include "app/Random.h"
#include "support/Headless.h"
#include "support/PackedBytes.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const Rgb kRed{255, 0, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kMagenta{255, 0, 255};

struct Loaded {
    BITMAP* bitmap;
    ~Loaded() {
        if (bitmap)
            destroy_bitmap(bitmap);
    }
};

BITMAP* loadBytes(const Bytes& bytes, bool compressed = true) {
    const std::string path = makeTempFolder() + "/image.mz";
    if (compressed)
        writeGzipFile(path, bytes);
    else
        writeFile(path, bytes);
    return load_bitmap(path.c_str(), nullptr);
}

} // namespace

TEST(PackedImage, ReadsRowsOfRgbWithTheLowByteFirst) {
    const Bytes bytes{0x02, 0x00, 0x01, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF};
    for (const bool compressed : {true, false}) {
        const Loaded image{loadBytes(bytes, compressed)};
        ASSERT_NE(image.bitmap, nullptr);
        EXPECT_EQ(image.bitmap->w, 2);
        EXPECT_EQ(image.bitmap->h, 1);
        EXPECT_EQ(getpixel(image.bitmap, 0, 0), makecol(255, 0, 0));
        EXPECT_EQ(getpixel(image.bitmap, 1, 0), makecol(0, 0, 255));
    }

    const Loaded wide{loadBytes(solidImageBytes(320, 240, kBlue))};
    ASSERT_NE(wide.bitmap, nullptr);
    EXPECT_EQ(wide.bitmap->w, 320); // header 40 01 F0 00
    EXPECT_EQ(wide.bitmap->h, 240);
    EXPECT_EQ(getpixel(wide.bitmap, 319, 239), makecol(0, 0, 255));
}

TEST(PackedImage, MagentaIsTransparentWhenDrawnMasked) {
    const Loaded image{loadBytes(packedImageBytes(2, 1, {kMagenta, kRed}))};
    ASSERT_NE(image.bitmap, nullptr);
    BITMAP* target = create_bitmap(4, 1);
    clear_to_color(target, makecol(0, 255, 0));
    draw_sprite(target, image.bitmap, 0, 0);
    masked_blit(image.bitmap, target, 0, 0, 2, 0, 2, 1);
    EXPECT_EQ(getpixel(target, 0, 0), makecol(0, 255, 0));
    EXPECT_EQ(getpixel(target, 1, 0), makecol(255, 0, 0));
    EXPECT_EQ(getpixel(target, 2, 0), makecol(0, 255, 0));
    EXPECT_EQ(getpixel(target, 3, 0), makecol(255, 0, 0));
    destroy_bitmap(target);
}

TEST(PackedImage, LeavesTheStreamJustAfterTheLastPixel) {
    Bytes bytes = packedImageBytes(1, 1, {kRed});
    bytes.push_back(0x5A);
    const std::string path = makeTempFolder() + "/image.sz";
    writeGzipFile(path, bytes);
    gzFile stream = openCompressedFile(path, "rb");
    const Loaded image{readPackedImage(stream)};
    EXPECT_NE(image.bitmap, nullptr);
    EXPECT_EQ(gzgetc(stream), 0x5A);
    gzclose(stream);
    EXPECT_EQ(readPackedImage(nullptr), nullptr);
}

TEST(PackedImage, BrokenFilesLoadAsNullOrWhiteButNeverCrash) {
    EXPECT_EQ(load_bitmap((makeTempFolder() + "/absent.mz").c_str(), nullptr), nullptr);
    EXPECT_EQ(loadBytes({}), nullptr);
    EXPECT_EQ(loadBytes({0x02, 0x00, 0x01}), nullptr);
    // 65535 x 65535 would overflow the library's own size arithmetic.
    EXPECT_EQ(loadBytes({0xFF, 0xFF, 0xFF, 0xFF}), nullptr);

    // Pixels cut short keep the declared size and read as white.
    const Loaded cut{loadBytes({0x02, 0x00, 0x01, 0x00, 0xFF, 0x00, 0x00, 0x10})};
    ASSERT_NE(cut.bitmap, nullptr);
    EXPECT_EQ(getpixel(cut.bitmap, 0, 0), makecol(255, 0, 0));
    EXPECT_EQ(getpixel(cut.bitmap, 1, 0), makecol(0x10, -1, -1));
}

// Part-way through, the compressed data turns to nonsense: the reader keeps
// every pixel that a byte-at-a-time reader of the same stream gets, and the
// rest reads as white, whichever row the damage falls in.
TEST(PackedImage, AStreamCorruptPartWayKeepsThePixelsDecodedBeforeIt) {
    const int width = 320, height = 240;
    std::vector<Rgb> pixels(width * height);
    Random::seed(7);
    for (Rgb& pixel : pixels)
        pixel = {static_cast<unsigned char>(Random::next() % 4 * 60), 90,
                 static_cast<unsigned char>(Random::next() % 3 * 80)};
    const std::string path = makeTempFolder() + "/image.mz";
    writeGzipFile(path, packedImageBytes(width, height, pixels));
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t at = file.size() / 2; at < file.size() / 2 + 16; ++at)
        file[at] ^= 0x5A;
    writeFile(path, file);

    const Loaded image{load_bitmap(path.c_str(), nullptr)};
    ASSERT_NE(image.bitmap, nullptr);
    gzFile stream = openCompressedFile(path, "rb");
    ASSERT_EQ(readU16(stream), width);
    ASSERT_EQ(readU16(stream), height);
    int kept = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int red = gzgetc(stream);
            const int green = gzgetc(stream);
            const int blue = gzgetc(stream);
            kept += blue >= 0;
            ASSERT_EQ(getpixel(image.bitmap, x, y), makecol(red, green, blue))
                << "at (" << x << ", " << y << ")";
        }
    }
    gzclose(stream);
    // The damage was met somewhere in the middle.
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, width * height);
}
