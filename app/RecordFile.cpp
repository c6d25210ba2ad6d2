#include "app/RecordFile.h"

#include "app/RecordFormat.h"
#include "app/WholeFile.h"

#include <algorithm>
#include <cstdio>

namespace {

// A record is a few dozen bytes; past this the file is something else, and
// reading it whole would only cost memory.
constexpr std::size_t kLongestRecord = 64;

// A save holds a line for each tower and each bolt in flight: a few
// kilobytes at most. Past this the file is something else.
constexpr std::size_t kLongestSave = 256 * 1024;

// A line for each kind: a mod would need thousands of kinds to come near.
constexpr std::size_t kLongestMeetings = 64 * 1024;

} // namespace

// Paths go through UTF-8 both ways: recordFolder spells a Windows folder in
// UTF-8, which std::filesystem's narrow constructor would take for the code page.
RecordFile::RecordFile(const std::string& folderText, const std::string& settingsBytes)
    : hash(::settingsHash(settingsBytes)) {
    if (!folderText.empty()) {
        folder = std::filesystem::u8path(folderText);
        file = folder / recordName(settingsBytes);
        pathText = file.u8string();
        saveFile = folder / saveName(settingsBytes);
        badSaveFile = folder / badSaveName(settingsBytes);
        meetingsFile = folder / meetingsName(settingsBytes);
    }
    best = readBest();
}

void RecordFile::keep(int wavesDefeated) {
    best = std::max({best, std::clamp(wavesDefeated, 0, kMostWaves), readBest()});
    writeKept(file, writeRecord(best), "the best wave is not kept");
}

int RecordFile::readBest() const {
    if (file.empty())
        return 0;
    const std::optional<std::string> bytes = readWholeFile(file, kLongestRecord);
    return bytes ? readRecord(*bytes).value_or(0) : 0;
}

void RecordFile::writeKept(const std::filesystem::path& path, const std::string& bytes,
                           const char* lost) {
    std::string why = "the environment names no folder for it";
    if (!path.empty() && writeWholeFile(path, bytes, why))
        return;
    // One folder's trouble is said once, whichever file meets it first.
    if (complained)
        return;
    complained = true;
    std::fprintf(stderr, "groundline: %s: %s\n", lost, why.c_str());
}

std::optional<std::string> RecordFile::readSave() {
    std::error_code error;
    if (saveFile.empty() || !std::filesystem::exists(saveFile, error))
        return std::nullopt;
    // A file that is there but cannot be read whole is damage, not absence.
    return readWholeFile(saveFile, kLongestSave).value_or(std::string());
}

void RecordFile::writeSave(const std::string& bytes) {
    writeKept(saveFile, bytes, "the game is not saved");
}

void RecordFile::dropSave() {
    std::error_code error;
    if (!saveFile.empty())
        std::filesystem::remove(saveFile, error);
}

std::string RecordFile::setSaveAside() {
    std::error_code error;
    if (saveFile.empty())
        return "";
    std::filesystem::rename(saveFile, badSaveFile, error);
    if (error) {
        // Whatever stops the rename, the save must not be offered again.
        std::filesystem::remove(saveFile, error);
        return "";
    }
    return badSaveFile.u8string();
}

std::optional<std::string> RecordFile::readMeetings() {
    if (meetingsFile.empty())
        return std::nullopt;
    return readWholeFile(meetingsFile, kLongestMeetings);
}

void RecordFile::writeMeetings(const std::string& bytes) {
    writeKept(meetingsFile, bytes, "the kinds met are not kept");
}
