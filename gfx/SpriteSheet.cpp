#include "gfx/SpriteSheet.h"

#include "gfx/PackedImage.h"

#include <allegro.h>

#include <cstring>

SpriteSheet::SpriteSheet(const std::string& fileName) {
    gzFile stream = gzopen(fileName.c_str(), "rb");
    if (!stream)
        return;
    if (!read(stream))
        clear();
    gzclose(stream);
}

SpriteSheet::~SpriteSheet() {
    clear();
}

void SpriteSheet::clear() {
    for (BITMAP* frame : frames)
        destroy_bitmap(frame);
    frames.clear();
    animations.clear();
    animationCount = 0;
    if (image)
        destroy_bitmap(image);
    image = nullptr;
}

// Reads the whole sheet, checking each count, rectangle and frame number
// against what came before, so that nothing later can index past an array or
// draw outside the image. False means the file is not a usable sheet.
bool SpriteSheet::read(gzFile stream) {
    image = readPackedImage(stream);
    if (!image)
        return false;

    const int frameTotal = readU16(stream);
    if (frameTotal < 0)
        return false;
    frames.reserve(frameTotal);
    for (int i = 0; i < frameTotal; ++i) {
        const int x = readU16(stream);
        const int y = readU16(stream);
        const int width = readU16(stream);
        const int height = readU16(stream);
        if (x < 0 || y < 0 || width < 0 || height < 0)
            return false;
        if (x + width > image->w || y + height > image->h)
            return false;
        BITMAP* frame = create_sub_bitmap(image, x, y, width, height);
        if (!frame)
            return false;
        frames.push_back(frame);
    }

    const int animationTotal = readU16(stream);
    if (animationTotal < 0)
        return false;
    for (int a = 0; a < animationTotal; ++a) {
        SpriteAnimation animation;
        unsigned char rateBytes[4];
        if (gzread(stream, rateBytes, sizeof rateBytes) != static_cast<int>(sizeof rateBytes))
            return false;
        // The rate is stored little-endian; so is every machine the game runs on.
        std::memcpy(&animation.rate, rateBytes, sizeof animation.rate);

        const int count = readU16(stream);
        if (count <= 0)
            return false;
        animation.frameCount = static_cast<uint32_t>(count);
        animation.frameNumbers.reserve(count);
        for (int n = 0; n < count; ++n) {
            const int frame = readU16(stream);
            if (frame < 0 || frame >= frameTotal)
                return false;
            animation.frameNumbers.push_back(frame);
        }
        animations.push_back(std::move(animation));
    }
    animationCount = static_cast<uint32_t>(animationTotal);
    return true;
}

BITMAP* SpriteSheet::selectFrame(unsigned animation, float time) const {
    if (animation >= animationCount)
        return nullptr;
    const SpriteAnimation& chosen = animations[animation];
    if (chosen.frameCount <= 1)
        return frames[chosen.frameNumbers[0]];

    // A time or rate that is not a number, or so large that the frame index
    // leaves the range of an int, shows the first frame instead of being
    // undefined.
    const float k = time * chosen.rate;
    const int index = (k > -2147483520.0f && k < 2147483520.0f) ? static_cast<int>(k) : 0;
    return frames[chosen.frameNumbers[static_cast<unsigned>(index) % chosen.frameCount]];
}

void SpriteSheet::drawFrame(BITMAP* bitmap, int x, int y, unsigned animation, float time) const {
    if (!bitmap)
        return;
    BITMAP* frame = selectFrame(animation, time);
    if (frame)
        draw_sprite(bitmap, frame, x, y);
}

int restingFrameWidth(const SpriteSheet* sheet) {
    const BITMAP* frame = sheet ? sheet->selectFrame(0, 0.0f) : nullptr;
    return frame ? frame->w : 0;
}

int restingFrameHeight(const SpriteSheet* sheet) {
    const BITMAP* frame = sheet ? sheet->selectFrame(0, 0.0f) : nullptr;
    return frame ? frame->h : 0;
}
