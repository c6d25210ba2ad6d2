#pragma once

#include "app/Records.h"

#include <string>

// The best wave kept in the browser's storage for the page's site, one entry
// for each set of settings, so that each mod has its own. Storage that the
// browser refuses (a private window, a page in a sandbox) costs the record,
// never the game.
class WebRecords : public Records {
  public:
    // settingsBytes: strings.txt's bytes as the game read them, which name
    // the entry. Reads the entry now; one that does not read counts as none.
    explicit WebRecords(const std::string& settingsBytes);

    int bestWaves() const override { return best; }

    // Writes the entry every time, so that one that does not read is
    // replaced at the next save.
    void keep(int wavesDefeated) override;

    // The saved game, under the name of the desktop's file (save-HASH.txt),
    // and set aside under that of its .bad.
    std::optional<std::string> readSave() override;
    void writeSave(const std::string& bytes) override;
    void dropSave() override;
    std::string setSaveAside() override;
    std::string settingsHash() const override { return hash; }

    // The kinds met, under the name of the desktop's file (met-HASH.txt).
    std::optional<std::string> readMeetings() override;
    void writeMeetings(const std::string& bytes) override;

    // The name the record is kept under, after the page storage's prefix.
    const std::string& key() const { return storageKey; }

  private:
    // The best in storage now, which a game in another tab may have raised
    // since this one started; 0 when there is none that reads.
    int storedBest() const;

    std::string storageKey;
    std::string hash;
    std::string saveKey;
    std::string badSaveKey;
    std::string meetingsKey;
    int best = 0;
};
