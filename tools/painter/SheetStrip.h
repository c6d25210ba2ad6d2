#pragma once

#include "painter/Picture.h"

#include <array>
#include <string>
#include <vector>

// A sprite sheet as the painter builds it: frames of one size side by side
// in a strip, and numbered animations over them, each with a note that ends
// up in the description file for whoever edits the strip next.
class SheetStrip {
  public:
    SheetStrip(int frameWidth, int frameHeight)
        : frameWidth(frameWidth), frameHeight(frameHeight) {}

    // Adds frames and returns their numbers.
    int add(const Picture& frame);
    std::vector<int> add(const std::vector<Picture>& frames);

    // Adds the next animation: what it is for, frames per second, frames shown.
    void animate(const std::string& note, float rate, const std::vector<int>& frames);

    // The same frames and animations with each colour c painted map[c]:
    // a kind or tower that looks like another in colours of its own. The
    // frames of the kept animations stay as they are.
    SheetStrip recoloured(const std::array<int, 16>& map,
                          const std::vector<int>& keptAnimations = {}) const;

    Picture picture() const;
    std::string description(const std::string& title) const;

  private:
    struct Animation {
        std::string note;
        float rate;
        std::vector<int> frames;
    };

    int frameWidth;
    int frameHeight;
    std::vector<Picture> frames;
    std::vector<Animation> animations;
};
