#pragma once

#include "app/Storage.h"

#include <filesystem>
#include <map>
#include <string>

class RecordFile;

// The player's folder for the game (see recordFolder): a record file for
// each set of settings, and the options file beside them. A folder that
// cannot be made or written costs what would be kept there, never the game.
class FileStorage : public Storage {
  public:
    // folder: spelt as recordFolder spells it; empty keeps nothing on disk.
    explicit FileStorage(const std::string& folder);

    Records* records(const std::string& settingsBytes) override;
    std::optional<std::string> readOptions() override;
    // One line on standard error when it cannot, said once.
    void writeOptions(const std::string& bytes) override;

  private:
    std::string folderText;
    std::filesystem::path optionsFile;
    // Each kept until the process ends, by the settings' bytes.
    std::map<std::string, RecordFile*> recordFiles;
    bool complained = false;
};
