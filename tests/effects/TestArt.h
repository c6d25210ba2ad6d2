#pragma once

// Small fonts and sheets made on the spot, for the effect and invader tests.
// Header-only so that both test programs can share it.

#include "gfx/BitmapFont.h"
#include "gfx/SpriteSheet.h"
#include "support/Headless.h"
#include "support/PackedBytes.h"

#include <allegro.h>

#include <memory>
#include <string>
#include <vector>

namespace testart {

// A font whose glyphs, for the codes 32 to 126, are all solid blocks of one
// colour, `width` × `height` pixels, in one row.
inline std::unique_ptr<BitmapFont> blockFont(Rgb colour, int width, int height) {
    const Rgb border{0, 255, 255};
    const int glyphs = 127 - 32;
    const int imageWidth = 1 + glyphs * (width + 1);
    const int imageHeight = height + 2;
    std::vector<Rgb> pixels(imageWidth * imageHeight, border);
    for (int g = 0; g < glyphs; ++g)
        for (int y = 1; y <= height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[y * imageWidth + 1 + g * (width + 1) + x] = colour;
    const std::string path = makeTempFolder() + "/font.mz";
    writeGzipFile(path, packedImageBytes(imageWidth, imageHeight, pixels));
    return std::make_unique<BitmapFont>(path);
}

// The colour of frame i of a stripSheet: it tells which frame was drawn.
inline Rgb frameColour(int i) {
    return {static_cast<unsigned char>(40 * (i + 1)), 200, 10};
}

// A sheet of `frames` frames, each `width` × `height` and painted in
// frameColour(i), side by side; every animation plays frames listed for it.
inline std::unique_ptr<SpriteSheet> stripSheet(int width, int height, int frames,
                                               const std::vector<SheetAnimation>& animations) {
    const int imageWidth = width * frames;
    std::vector<Rgb> pixels(imageWidth * height);
    std::vector<SheetFrame> rectangles;
    for (int i = 0; i < frames; ++i) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[y * imageWidth + i * width + x] = frameColour(i);
        rectangles.push_back({static_cast<unsigned>(i * width), 0u, static_cast<unsigned>(width),
                              static_cast<unsigned>(height)});
    }
    const std::string path = makeTempFolder() + "/sheet.sz";
    writeGzipFile(path,
                  sheetBytes(packedImageBytes(imageWidth, height, pixels), rectangles, animations));
    return std::make_unique<SpriteSheet>(path);
}

inline int colourOf(Rgb rgb) {
    return makecol(rgb.r, rgb.g, rgb.b);
}

// A playfield-sized window into a larger bitmap, so that a test can see any
// pixel written outside the playfield.
struct FramedPlayfield {
    static constexpr int kFrame = 64;
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    FramedPlayfield() {
        parent = create_bitmap(kWidth + 2 * kFrame, kHeight + 2 * kFrame);
        clear_to_color(parent, makecol(0, 0, 0));
        playfield = create_sub_bitmap(parent, kFrame, kFrame, kWidth, kHeight);
    }
    ~FramedPlayfield() {
        destroy_bitmap(playfield);
        destroy_bitmap(parent);
    }
    FramedPlayfield(const FramedPlayfield&) = delete;
    FramedPlayfield& operator=(const FramedPlayfield&) = delete;

    // Pixels of the frame around the playfield that are no longer black.
    int touchedOutside() const {
        int touched = 0;
        for (int y = 0; y < parent->h; ++y)
            for (int x = 0; x < parent->w; ++x) {
                const bool inside =
                    x >= kFrame && x < kFrame + kWidth && y >= kFrame && y < kFrame + kHeight;
                if (!inside && getpixel(parent, x, y) != makecol(0, 0, 0))
                    ++touched;
            }
        return touched;
    }

    // Pixels of the playfield that are no longer black.
    int touchedInside() const {
        int touched = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (getpixel(playfield, x, y) != makecol(0, 0, 0))
                    ++touched;
        return touched;
    }

    BITMAP* parent;
    BITMAP* playfield;
};

} // namespace testart
