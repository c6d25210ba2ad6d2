#pragma once

#include <string>

// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the object ends. Tests use it as the game's working
// directory when they need settings of their own.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();

    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return folderPath; }

    // Writes the text to a file at a path relative to the folder, making the
    // folders on the way.
    void write(const std::string& relativePath, const std::string& text) const;

  private:
    std::string folderPath;
};
