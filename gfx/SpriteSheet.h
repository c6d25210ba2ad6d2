#pragma once

#include "gfx/Problem.h"

#include <cstdint>
#include <string>
#include <vector>

#include <zlib.h>

struct BITMAP;

// One numbered animation of a sheet: a frame rate and a run of frame numbers.
struct SpriteAnimation {
    float rate = 0.0f;       // frames per second
    uint32_t frameCount = 0; // entries in frameNumbers
    std::vector<int> frameNumbers;
};

// An image cut into frames, with numbered animations over those frames, read
// from a ".sz" file. Animation 0 is every sheet's resting loop. A file that
// cannot be read whole and consistent gives an empty sheet that draws nothing.
class SpriteSheet {
  public:
    // Reads the file; when `problems` is given, each thing wrong with it is
    // added there, with the byte offset and the frame or animation it is in.
    explicit SpriteSheet(const std::string& fileName, std::vector<Problem>* problems = nullptr);
    ~SpriteSheet();
    SpriteSheet(const SpriteSheet&) = delete;
    SpriteSheet& operator=(const SpriteSheet&) = delete;

    // The frame that the animation shows after `time` seconds, looping; null
    // when there is no such animation.
    BITMAP* selectFrame(unsigned animation, float time) const;

    // Draws that frame masked with its top-left corner at (x, y).
    void drawFrame(BITMAP* bitmap, int x, int y, unsigned animation, float time) const;

    BITMAP* image = nullptr;
    std::vector<BITMAP*> frames;
    std::vector<SpriteAnimation> animations;
    uint32_t animationCount = 0;

  private:
    // The image, then the frames cut from it, then the animations, in the
    // order of the file; false at the first thing the game cannot use.
    bool read(gzFile stream, std::vector<Problem>* problems);
    bool readFrames(gzFile stream, std::vector<Problem>* problems);
    // Animation number `a`, appended to animations.
    bool readAnimation(gzFile stream, int a, std::vector<Problem>* problems);
    void clear();
};

// Size of the frame a sheet shows at rest (animation 0 at time 0), by which
// towers are placed and laid out, since it does not change as they animate;
// 0 for no sheet or an empty one.
int restingFrameWidth(const SpriteSheet* sheet);
int restingFrameHeight(const SpriteSheet* sheet);
