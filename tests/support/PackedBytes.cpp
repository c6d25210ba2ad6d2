#include "support/PackedBytes.h"

#include <cstring>

void appendU16(Bytes& bytes, unsigned value) {
    bytes.push_back(value & 0xff);
    bytes.push_back((value >> 8) & 0xff);
}

void appendFloat(Bytes& bytes, float value) {
    unsigned char raw[4];
    std::memcpy(raw, &value, sizeof raw);
    bytes.insert(bytes.end(), raw, raw + 4);
}

Bytes packedImageBytes(int width, int height, const std::vector<Rgb>& pixels) {
    Bytes bytes;
    appendU16(bytes, width);
    appendU16(bytes, height);
    for (const Rgb& pixel : pixels) {
        bytes.push_back(pixel.r);
        bytes.push_back(pixel.g);
        bytes.push_back(pixel.b);
    }
    return bytes;
}

Bytes solidImageBytes(int width, int height, Rgb colour) {
    return packedImageBytes(width, height, std::vector<Rgb>(width * height, colour));
}

Bytes sheetBytes(const Bytes& image, const std::vector<SheetFrame>& frames,
                 const std::vector<SheetAnimation>& animations) {
    Bytes bytes = image;
    appendU16(bytes, frames.size());
    for (const SheetFrame& frame : frames) {
        appendU16(bytes, frame.x);
        appendU16(bytes, frame.y);
        appendU16(bytes, frame.width);
        appendU16(bytes, frame.height);
    }
    appendU16(bytes, animations.size());
    for (const SheetAnimation& animation : animations) {
        appendFloat(bytes, animation.rate);
        appendU16(bytes, animation.frames.size());
        for (unsigned frame : animation.frames)
            appendU16(bytes, frame);
    }
    return bytes;
}
