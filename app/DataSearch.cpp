#include "app/DataSearch.h"

#include <filesystem>
#include <fstream>

// The installed data relative to the installed executable, so that a prefix
// moved elsewhere as a whole still finds it. The build sets it from the
// install layout; this default is Debian's for games.
#ifndef GROUNDLINE_DATA_FROM_EXECUTABLE
#define GROUNDLINE_DATA_FROM_EXECUTABLE "../share/games/groundline"
#endif

namespace {

bool holdsSettings(const std::string& folder) {
    return std::ifstream(std::filesystem::u8path(folder + "/strings.txt")).is_open();
}

} // namespace

DataSearch::DataSearch(const std::string& requested, const std::string& executablePath,
                       const std::string& workingData) {
    // A folder the player names is the only one tried: playing other data
    // than the one asked for would hide the mistake.
    if (!requested.empty())
        candidates = {requested};
    else
        candidates = {workingData, installedData(executablePath)};

    for (const std::string& folder : candidates) {
        if (holdsSettings(folder)) {
            found = folder;
            break;
        }
    }
}

std::string DataSearch::installedData(const std::string& executablePath) {
    const std::filesystem::path folder = std::filesystem::u8path(executablePath).parent_path();
    return (folder / GROUNDLINE_DATA_FROM_EXECUTABLE).lexically_normal().u8string();
}
