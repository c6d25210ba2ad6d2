#include "gfx/SpriteSheet.h"

#include "app/FileNames.h"
#include "gfx/PackedImage.h"

#include <allegro.h>

#include <cmath>
#include <cstring>

namespace {

// "x,y w x h", as problems name a frame's rectangle.
std::string rectangle(int x, int y, int width, int height) {
    return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + " x " +
           std::to_string(height);
}

} // namespace

SpriteSheet::SpriteSheet(const std::string& fileName, std::vector<Problem>* problems) {
    gzFile stream = openCompressedFile(fileName, "rb");
    const bool whole = read(stream, problems);
    if (!whole)
        clear();
    if (!stream)
        return;
    if (problems)
        reportStreamEnd(stream, fileName, whole, *problems);
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
bool SpriteSheet::read(gzFile stream, std::vector<Problem>* problems) {
    image = readPackedImage(stream, problems);
    if (!image || !readFrames(stream, problems))
        return false;

    const z_off_t animationCountAt = gztell(stream);
    const int animationTotal = readU16(stream);
    if (animationTotal < 0) {
        reportProblem(problems, offsetName(animationCountAt),
                      "the stream ends where the animation count belongs", true);
        return false;
    }
    if (animationTotal == 0)
        reportProblem(problems, offsetName(animationCountAt),
                      "no animations: animation 0, the resting loop, is missing", false);
    for (int a = 0; a < animationTotal; ++a) {
        if (!readAnimation(stream, a, problems))
            return false;
    }
    animationCount = static_cast<uint32_t>(animationTotal);
    return true;
}

bool SpriteSheet::readFrames(gzFile stream, std::vector<Problem>* problems) {
    const z_off_t frameCountAt = gztell(stream);
    const int frameTotal = readU16(stream);
    if (frameTotal < 0) {
        reportProblem(problems, offsetName(frameCountAt),
                      "the stream ends where the frame count belongs", true);
        return false;
    }
    frames.reserve(frameTotal);
    for (int i = 0; i < frameTotal; ++i) {
        const z_off_t frameAt = gztell(stream);
        const int x = readU16(stream);
        const int y = readU16(stream);
        const int width = readU16(stream);
        const int height = readU16(stream);
        const auto where = [&] { return offsetName(frameAt) + ": frame " + std::to_string(i); };
        if (x < 0 || y < 0 || width < 0 || height < 0) {
            reportProblem(problems, where(), "the stream ends inside the frame's rectangle", true);
            return false;
        }
        if (x + width > image->w || y + height > image->h) {
            reportProblem(problems, where(),
                          "the rectangle " + rectangle(x, y, width, height) + " leaves the " +
                              std::to_string(image->w) + " x " + std::to_string(image->h) +
                              " image",
                          true);
            return false;
        }
        if (width == 0 || height == 0)
            reportProblem(problems, where(),
                          "the rectangle " + rectangle(x, y, width, height) + " has no pixels",
                          false);
        BITMAP* frame = create_sub_bitmap(image, x, y, width, height);
        if (!frame) {
            reportProblem(problems, where(),
                          "the game cannot cut the frame " + rectangle(x, y, width, height), true);
            return false;
        }
        frames.push_back(frame);
    }

    return true;
}

bool SpriteSheet::readAnimation(gzFile stream, int a, std::vector<Problem>* problems) {
    const int frameTotal = static_cast<int>(frames.size());
    const z_off_t animationAt = gztell(stream);
    const auto where = [&](z_off_t offset) {
        return offsetName(offset) + ": animation " + std::to_string(a);
    };
    SpriteAnimation animation;
    unsigned char rateBytes[4];
    if (gzread(stream, rateBytes, sizeof rateBytes) != static_cast<int>(sizeof rateBytes)) {
        reportProblem(problems, where(animationAt), "the stream ends inside the frame rate", true);
        return false;
    }
    // The rate is stored little-endian; so is every machine the game runs on.
    std::memcpy(&animation.rate, rateBytes, sizeof animation.rate);

    const int count = readU16(stream);
    if (count < 0) {
        reportProblem(problems, where(animationAt), "the stream ends where the frame count belongs",
                      true);
        return false;
    }
    if (count == 0) {
        reportProblem(problems, where(animationAt), "the animation has no frames", true);
        return false;
    }
    if (!std::isfinite(animation.rate) || animation.rate <= 0.0f)
        reportProblem(problems, where(animationAt),
                      "a rate of " + std::to_string(animation.rate) +
                          " frames per second never plays a cycle through",
                      false);
    animation.frameCount = static_cast<uint32_t>(count);
    animation.frameNumbers.reserve(count);
    for (int n = 0; n < count; ++n) {
        const z_off_t numberAt = gztell(stream);
        const int frame = readU16(stream);
        if (frame < 0) {
            reportProblem(problems, where(animationAt), "the stream ends inside the frame numbers",
                          true);
            return false;
        }
        if (frame >= frameTotal) {
            reportProblem(problems, where(numberAt),
                          "frame " + std::to_string(frame) + " does not exist; the sheet has " +
                              std::to_string(frameTotal) + " frames",
                          true);
            return false;
        }
        animation.frameNumbers.push_back(frame);
    }
    animations.push_back(std::move(animation));
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
