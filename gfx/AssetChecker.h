#pragma once

#include "gfx/Problem.h"

#include <string>
#include <vector>

// Says what is wrong with ".mz" images, ".sz" sheets, font images and sound
// effects by
// reading them with the game's own loaders, which report each problem with
// its byte offset, frame, animation or glyph. So it refuses exactly the files
// the game refuses, and reads any file without crashing, however it is
// broken. glpack check prints what it finds; the game's start-up check can
// ask it about each file of the catalogue.
class AssetChecker {
  public:
    enum class Kind { Image, Sheet, Font, Sound };

    // The kind that a file name says: ".sz" a sheet, ".wav" and ".voc"
    // sounds, anything else an image.
    static Kind kindOf(const std::string& path);

    // Reads the file as the game reads that kind, in the order of its bytes;
    // empty when nothing is wrong.
    std::vector<Problem> check(const std::string& path, Kind kind) const;

    // "path: where: what", the form glpack check prints.
    static std::string describe(const std::string& path, const Problem& problem);
};
