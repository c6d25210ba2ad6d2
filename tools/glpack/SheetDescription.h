#pragma once

#include <string>
#include <vector>

// A frame rectangle of a sheet image, in pixels.
struct FrameRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// One numbered animation: frames per second and the frames it shows in turn.
struct AnimationSpec {
    float rate = 0.0f;
    std::vector<int> frames;
};

// The frames and animations of a sprite sheet, as the text file beside its
// PNG strip describes them:
//
//   frame X Y WIDTH HEIGHT          one rectangle; frames are numbered in order
//   grid WIDTH HEIGHT COUNT [X Y]   COUNT cells in reading order from (X, Y),
//                                   wrapping at the image's right edge
//   animation N rate FPS frames F G H-K
//                                   animation N (written in order from 0)
//
// "#" starts a comment. Every check that the game's loader makes is made
// here too, so a description that parses packs into a sheet the game loads.
class SheetDescription {
  public:
    // Reads the text for an image of the given size; false with "line N: why"
    // in error when it is not a usable description.
    bool parse(const std::string& text, int imageWidth, int imageHeight, std::string& error);

    // The text form, with a grid line where the frames are one.
    std::string format(int imageWidth) const;

    std::vector<FrameRect> frames;
    std::vector<AnimationSpec> animations;

    // The file format counts everything in 16 bits.
    static constexpr int kMaxCount = 65535;
};
