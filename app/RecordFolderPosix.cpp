#include "app/RecordFolder.h"

#include <cstdlib>

namespace {

// A relative folder would follow the working folder about, so freedesktop.org
// asks that it be ignored; the same goes for a relative HOME.
bool isAbsoluteFolder(const char* value) {
    return value && value[0] == '/';
}

} // namespace

std::string recordFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (isAbsoluteFolder(dataHome))
        return std::string(dataHome) + "/groundline";
    const char* home = std::getenv("HOME");
    if (isAbsoluteFolder(home))
        return std::string(home) + "/.local/share/groundline";
    return "";
}
