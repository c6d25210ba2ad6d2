#include "web/PageStorage.h"

#include <emscripten.h>

#include <cstdlib>

namespace {

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

EM_JS(void, removeStorage, (const char* key), {
    try {
        localStorage.removeItem(UTF8ToString(key));
    } catch (refused) {
    }
});
// clang-format on

} // namespace

std::optional<std::string> readPageStorage(const std::string& name) {
    char* text = readStorage((kKeyPrefix + name).c_str());
    if (!text)
        return std::nullopt;
    std::string value = text;
    std::free(text);
    return value;
}

void writePageStorage(const std::string& name, const std::string& value) {
    writeStorage((kKeyPrefix + name).c_str(), value.c_str());
}

void removePageStorage(const std::string& name) {
    removeStorage((kKeyPrefix + name).c_str());
}
