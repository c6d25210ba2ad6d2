#include "app/RecordFile.h"

#include "app/RecordFormat.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace {

// A record is a few dozen bytes; past this the file is something else, and
// reading it whole would only cost memory.
constexpr std::streamsize kLongestRecord = 64;

// Why the last file operation failed, as the C library says it.
std::string lastSystemError() {
    if (errno == 0)
        return "the system gave no reason";
    return std::error_code(errno, std::generic_category()).message();
}

} // namespace

// Paths go through UTF-8 both ways: recordFolder spells a Windows folder in
// UTF-8, which std::filesystem's narrow constructor would take for the code page.
RecordFile::RecordFile(const std::string& folderText, const std::string& settingsBytes) {
    if (!folderText.empty()) {
        folder = std::filesystem::u8path(folderText);
        file = folder / recordName(settingsBytes);
        pathText = file.u8string();
    }
    best = readBest();
}

void RecordFile::keep(int wavesDefeated) {
    best = std::max({best, std::clamp(wavesDefeated, 0, kMostWaves), readBest()});
    if (file.empty()) {
        complain("the environment names no folder for it");
        return;
    }
    write();
}

int RecordFile::readBest() const {
    if (file.empty())
        return 0;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(kLongestRecord + 1, '\0');
    in.read(bytes.data(), kLongestRecord + 1);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return readRecord(bytes).value_or(0);
}

void RecordFile::write() {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        complain("cannot make " + folder.u8string() + ": " + error.message());
        return;
    }

    // A game that stops halfway through a save leaves the old record whole:
    // the new one is written beside it and only then takes its name.
    std::filesystem::path temporary = file;
    temporary += ".new";
    const std::string bytes = writeRecord(best);
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        complain("cannot write " + temporary.u8string() + ": " + lastSystemError());
        std::filesystem::remove(temporary, error);
        return;
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        complain("cannot replace " + pathText + ": " + error.message());
        std::filesystem::remove(temporary, error);
    }
}

void RecordFile::complain(const std::string& reason) {
    if (complained)
        return;
    complained = true;
    std::fprintf(stderr, "groundline: the best wave is not kept: %s\n", reason.c_str());
}
