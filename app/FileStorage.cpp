#include "app/FileStorage.h"

#include "app/Options.h"
#include "app/RecordFile.h"
#include "app/WholeFile.h"

#include <cstdio>

namespace {

// Options are a few dozen bytes; past this the file is something else.
constexpr std::size_t kLongestOptions = 256;

} // namespace

FileStorage::FileStorage(const std::string& folder) : folderText(folder) {
    if (!folder.empty())
        optionsFile = std::filesystem::u8path(folder) / kOptionsName;
}

Records* FileStorage::records(const std::string& settingsBytes) {
    RecordFile*& file = recordFiles[settingsBytes];
    if (!file)
        file = new RecordFile(folderText, settingsBytes);
    return file;
}

std::optional<std::string> FileStorage::readOptions() {
    if (optionsFile.empty() || !std::filesystem::exists(optionsFile))
        return std::nullopt;
    // A file that is there but cannot be read whole is damage, not absence.
    return readWholeFile(optionsFile, kLongestOptions).value_or(std::string());
}

void FileStorage::writeOptions(const std::string& bytes) {
    std::string why = "the environment names no folder for them";
    if (!optionsFile.empty() && writeWholeFile(optionsFile, bytes, why))
        return;
    if (complained)
        return;
    complained = true;
    std::fprintf(stderr, "groundline: the options are not kept: %s\n", why.c_str());
}
