#pragma once

#include <cstdint>
#include <vector>

// Builders for the bytes of ".mz" images and ".sz" sheets, written
// independently of the game's readers so that the tests check them against
// the format rather than against themselves.

using Bytes = std::vector<unsigned char>;

struct Rgb {
    unsigned char r, g, b;
};

void appendU16(Bytes& bytes, unsigned value);
void appendFloat(Bytes& bytes, float value);

// A packed image: width, height, then the pixels row by row.
Bytes packedImageBytes(int width, int height, const std::vector<Rgb>& pixels);

// A packed image of one colour.
Bytes solidImageBytes(int width, int height, Rgb colour);

struct SheetFrame {
    unsigned x, y, width, height;
};

struct SheetAnimation {
    float rate;
    std::vector<unsigned> frames;
};

// A sprite sheet: the image, the frame rectangles, the animations.
Bytes sheetBytes(const Bytes& image, const std::vector<SheetFrame>& frames,
                 const std::vector<SheetAnimation>& animations);
