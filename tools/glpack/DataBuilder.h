#pragma once

#include <string>
#include <vector>

// Rebuilds the game's data folder from the art folder: every PNG strip with
// a ".sheet" description beside it becomes a ".sz" sheet, every other PNG a
// ".mz" image, each checked against the palette in "palette.txt".
class DataBuilder {
  public:
    // Writes into dataFolder; false with one line per failure in errors.
    bool build(const std::string& artFolder, const std::string& dataFolder,
               std::vector<std::string>& errors) const;

    // The data file names that the art folder builds, in sorted order.
    static std::vector<std::string> outputsOf(const std::string& artFolder);

    static constexpr const char* kPaletteFile = "palette.txt";
    static constexpr const char* kDescriptionExtension = ".sheet";
};
