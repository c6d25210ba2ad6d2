#pragma once

#include "app/Records.h"

#include <filesystem>
#include <string>

// The best wave kept on disk, one small file per set of settings, so that
// each mod has its own and a damaged file costs one record only. The record
// is a nicety: a folder that cannot be made or written costs the record,
// never the game.
class RecordFile : public Records {
  public:
    // folder: where this game's records live (made, with its parents, at the first save),
    // spelt as recordFolder spells it, in UTF-8 on Windows;
    // settingsBytes: strings.txt's bytes as read from disk, which name the file.
    // Reads the file now; a record that cannot be read counts as none. An
    // empty folder keeps the best for this run only.
    RecordFile(const std::string& folder, const std::string& settingsBytes);

    int bestWaves() const override { return best; }

    // Writes the file every time (temporary file, then rename over the old one), so that
    // an unreadable record is replaced at the next save. A folder or file that cannot be
    // made or written: one line on standard error, "groundline: ..." naming the path and
    // the reason, said once per RecordFile however often it fails, and the game goes on.
    void keep(int wavesDefeated) override;

    // The saved game, save-HASH.txt beside the record; kept aside as
    // save-HASH.bad. A folder that cannot be written is said once for both.
    std::optional<std::string> readSave() override;
    void writeSave(const std::string& bytes) override;
    void dropSave() override;
    std::string setSaveAside() override;
    std::string settingsHash() const override { return hash; }

    // The kinds met, met-HASH.txt beside the record.
    std::optional<std::string> readMeetings() override;
    void writeMeetings(const std::string& bytes) override;

    // Where the record is read from and written to; empty when there is no folder.
    const std::string& path() const { return pathText; }

  private:
    // The best on disk now, which another game with these settings may have
    // raised since this one started; 0 when there is none that reads.
    int readBest() const;
    // Writes the bytes as the whole new file at path, or says once, naming
    // what is lost, why it cannot.
    void writeKept(const std::filesystem::path& path, const std::string& bytes, const char* lost);

    // Where the record lives: the folder, the file, and the file as the player reads it.
    std::filesystem::path folder;
    std::filesystem::path file;
    std::string pathText;
    std::filesystem::path saveFile;
    std::filesystem::path badSaveFile;
    std::filesystem::path meetingsFile;
    std::string hash;

    int best = 0;
    bool complained = false;
};
