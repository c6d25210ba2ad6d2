#pragma once

#include <string>
#include <vector>

// Where the game's data is: the folder that holds strings.txt and the
// pictures. Chosen once at start-up, before the window opens, so that a game
// without data says where it looked instead of flashing a window.
class DataSearch {
  public:
    // requested: the folder given with --data, or empty. executablePath: the
    // running program, whose installed data lies at a fixed place beside it.
    // workingData: the working folder's own data folder.
    DataSearch(const std::string& requested, const std::string& executablePath,
               const std::string& workingData = "data");

    // The first folder that holds a readable strings.txt; empty when none does.
    const std::string& chosen() const { return found; }

    // Every folder looked in, in order, for the message when none would do.
    const std::vector<std::string>& lookedIn() const { return candidates; }

    // Where the data installed with this executable is.
    static std::string installedData(const std::string& executablePath);

  private:
    std::vector<std::string> candidates;
    std::string found;
};
