#pragma once

#include <string>
#include <vector>

// The one fixed palette that every picture of the game is painted in, read
// from a text file of "RRGGBB name" lines. Magenta is never part of it: it is
// the mask colour, and every tool lets it through as transparency.
class Palette {
  public:
    // Reads the file; false with a one-line reason when it cannot.
    bool load(const std::string& path, std::string& error);

    // Whether an 0xRRGGBB colour may appear in a picture: a palette colour or magenta.
    bool allows(int rgb) const;

    // The colour of entry index, as 0xRRGGBB.
    int colour(int index) const { return colours.at(index); }
    int size() const { return static_cast<int>(colours.size()); }

    static constexpr int kMask = 0xff00ff;

    std::vector<int> colours;
    std::vector<std::string> names;
};
