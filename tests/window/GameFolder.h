#pragma once

#include "window/TempFolder.h"

#include <string>

// A working directory for the game with a copy of the repository's data/, so
// that a test can change the settings or take files away without touching the
// real ones. Removed with the object.
class GameFolder {
  public:
    GameFolder();

    const std::string& path() const { return folder.path(); }

    // Gives the key this value in data/strings.txt, replacing its line or
    // adding one; the value is written as it is, blanks and all.
    void setSetting(const std::string& key, const std::string& value) const;

    // Takes a file away, data/strings.txt say, by its path in the folder.
    void remove(const std::string& relativePath) const;

  private:
    TempFolder folder;
};
