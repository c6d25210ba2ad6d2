#include "app/RecordFolder.h"

// In a file of its own: windows.h and allegro.h define clashing names.
#include <windows.h>

#include <filesystem>
#include <vector>

std::string recordFolder() {
    // A player's name in %APPDATA% may be any character, so it is read wide
    // and handed on in UTF-8, not in the code page, which cannot hold them all.
    std::vector<wchar_t> appData(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableW(L"APPDATA", appData.data(), static_cast<DWORD>(appData.size()));
        if (length == 0)
            return "";
        if (length < appData.size()) {
            const std::filesystem::path folder(std::wstring(appData.data(), length));
            // A relative one would follow the working folder about.
            return folder.is_absolute() ? (folder / L"Groundline").u8string() : "";
        }
        appData.resize(length);
    }
}
