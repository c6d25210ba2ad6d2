#include "app/DurableFile.h"

#include <windows.h>

#include <algorithm>

namespace {

std::string systemError() {
    return "Windows error " + std::to_string(GetLastError());
}

} // namespace

bool durableFile::writeNew(const std::filesystem::path& path, const std::string& bytes,
                           std::string& why) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = "cannot write " + path.u8string() + ": " + systemError();
        return false;
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD step = 0;
        const DWORD asked =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        if (!WriteFile(file, bytes.data() + written, asked, &step, nullptr) || step == 0) {
            why = "cannot write " + path.u8string() + ": " + systemError();
            CloseHandle(file);
            return false;
        }
        written += step;
    }
    // Windows' own flush: the bytes and the file's size reach the disk.
    if (!FlushFileBuffers(file)) {
        why = "cannot flush " + path.u8string() + ": " + systemError();
        CloseHandle(file);
        return false;
    }
    CloseHandle(file);
    return true;
}

bool durableFile::replace(const std::filesystem::path& from, const std::filesystem::path& to,
                          std::string& why) {
    // Write-through: the call returns once the rename is on the disk, which
    // on NTFS also covers the folder's entry.
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        why = "cannot replace " + to.u8string() + ": " + systemError();
        return false;
    }
    return true;
}

unsigned long durableFile::processId() {
    return GetCurrentProcessId();
}
