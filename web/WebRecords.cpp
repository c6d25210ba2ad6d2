#include "web/WebRecords.h"

#include "app/RecordFormat.h"

#include "web/PageStorage.h"

#include <algorithm>

WebRecords::WebRecords(const std::string& settingsBytes)
    : storageKey(recordName(settingsBytes)), best(storedBest()) {}

void WebRecords::keep(int wavesDefeated) {
    best = std::max({best, std::clamp(wavesDefeated, 0, kMostWaves), storedBest()});
    writePageStorage(storageKey, writeRecord(best));
}

int WebRecords::storedBest() const {
    const std::optional<std::string> text = readPageStorage(storageKey);
    return text ? readRecord(*text).value_or(0) : 0;
}
