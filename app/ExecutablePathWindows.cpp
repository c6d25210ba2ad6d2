#include "app/ExecutablePath.h"

// In a file of its own: windows.h and allegro.h define clashing names.
#include <windows.h>

#include <filesystem>
#include <vector>

std::string executablePath() {
    // A path longer than the buffer comes back cut, so grow it until it fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return "";
        if (length < path.size())
            return std::filesystem::path(std::wstring(path.data(), length)).u8string();
        path.resize(path.size() * 2);
    }
}
