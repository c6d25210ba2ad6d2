#pragma once

#include <string>
#include <vector>

// One thing wrong with a data file, found by AssetChecker.
struct Problem {
    std::string where; // "offset 1234", "frame 3", "glyph 65 'A'"; may be empty
    std::string what;  // what is wrong, in a few words
    bool refused;      // the game's own loader gives nothing for this file
};

// Reads ".mz" images, ".sz" sheets and font images the way the game does,
// and says what is wrong with them instead of quietly drawing nothing. It
// walks the same bytes as the game's loaders but keeps the offsets, and then
// asks those loaders too, so that it never accepts a file the game refuses.
// It reads any file without crashing, however it is broken.
class AssetChecker {
  public:
    enum class Kind { Image, Sheet, Font };

    // The kind that a file name says: ".sz" a sheet, anything else an image.
    static Kind kindOf(const std::string& path);

    std::vector<Problem> check(const std::string& path, Kind kind) const;

    // "path: where: what", the form glpack check prints.
    static std::string describe(const std::string& path, const Problem& problem);

    // The tallest glyph the game can show: texts are rendered into images this high.
    static constexpr int kMaxGlyphHeight = 10;
    // The codes every font must have a glyph for: the printable ASCII range.
    static constexpr int kFirstCode = 32;
    static constexpr int kLastCode = 126;

  private:
    std::vector<Problem> checkPacked(const std::string& path, bool isSheet) const;
    std::vector<Problem> checkFont(const std::string& path) const;
};
