#include "web/WebRecords.h"

#include "app/RecordFormat.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>

namespace {

// A site may host many games, and a game's storage is the site's.
constexpr const char* kKeyPrefix = "groundline/";

// The entry's text as a new C string for free(), or null when there is none
// or the browser keeps no storage for the page.
// clang-format off
EM_JS(char*, readStorage, (const char* key), {
    try {
        const value = localStorage.getItem(UTF8ToString(key));
        return value === null ? 0 : allocateUTF8(value);
    } catch (refused) {
        return 0;
    }
});

EM_JS(void, writeStorage, (const char* key, const char* value), {
    try {
        localStorage.setItem(UTF8ToString(key), UTF8ToString(value));
    } catch (refused) {
    }
});
// clang-format on

} // namespace

WebRecords::WebRecords(const std::string& settingsBytes)
    : storageKey(kKeyPrefix + recordName(settingsBytes)), best(storedBest()) {}

void WebRecords::keep(int wavesDefeated) {
    best = std::max({best, std::clamp(wavesDefeated, 0, kMostWaves), storedBest()});
    writeStorage(storageKey.c_str(), writeRecord(best).c_str());
}

int WebRecords::storedBest() const {
    char* text = readStorage(storageKey.c_str());
    if (!text)
        return 0;
    const std::optional<int> waves = readRecord(text);
    std::free(text);
    return waves.value_or(0);
}
