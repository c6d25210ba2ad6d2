#include "web/WebRecords.h"

#include "app/RecordFormat.h"

#include "web/PageStorage.h"

#include <algorithm>

WebRecords::WebRecords(const std::string& settingsBytes)
    : storageKey(recordName(settingsBytes)), hash(::settingsHash(settingsBytes)),
      saveKey(saveName(settingsBytes)), badSaveKey(badSaveName(settingsBytes)), meetingsKey(meetingsName(settingsBytes)),
      best(storedBest()) {
}

void WebRecords::keep(int wavesDefeated) {
    best = std::max({best, std::clamp(wavesDefeated, 0, kMostWaves), storedBest()});
    writePageStorage(storageKey, writeRecord(best));
}

int WebRecords::storedBest() const {
    const std::optional<std::string> text = readPageStorage(storageKey);
    return text ? readRecord(*text).value_or(0) : 0;
}

std::optional<std::string> WebRecords::readSave() {
    return readPageStorage(saveKey);
}

// A browser's storage takes an entry whole or not at all, so the desktop's
// care over temporary files has no counterpart here.
void WebRecords::writeSave(const std::string& bytes) {
    writePageStorage(saveKey, bytes);
}

void WebRecords::dropSave() {
    removePageStorage(saveKey);
}

std::string WebRecords::setSaveAside() {
    const std::optional<std::string> bytes = readPageStorage(saveKey);
    if (bytes)
        writePageStorage(badSaveKey, *bytes);
    removePageStorage(saveKey);
    return badSaveKey;
}

std::optional<std::string> WebRecords::readMeetings() {
    return readPageStorage(meetingsKey);
}

void WebRecords::writeMeetings(const std::string& bytes) {
    writePageStorage(meetingsKey, bytes);
}
