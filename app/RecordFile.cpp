#include "app/RecordFile.h"

#include "app/RecordFormat.h"
#include "app/WholeFile.h"

#include <algorithm>
#include <cstdio>

namespace {

// A record is a few dozen bytes; past this the file is something else, and
// reading it whole would only cost memory.
constexpr std::size_t kLongestRecord = 64;

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
    const std::optional<std::string> bytes = readWholeFile(file, kLongestRecord);
    return bytes ? readRecord(*bytes).value_or(0) : 0;
}

void RecordFile::write() {
    std::string why;
    if (!writeWholeFile(file, writeRecord(best), why))
        complain(why);
}

void RecordFile::complain(const std::string& reason) {
    if (complained)
        return;
    complained = true;
    std::fprintf(stderr, "groundline: the best wave is not kept: %s\n", reason.c_str());
}
