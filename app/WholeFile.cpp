#include "app/WholeFile.h"

#include "app/DurableFile.h"

#include <atomic>
#include <cctype>
#include <chrono>
#include <fstream>
#include <system_error>

namespace {

// Writes begun by this process, across its threads.
std::atomic<unsigned long> writesBegun{0};

std::filesystem::path temporaryFile(const std::filesystem::path& file, unsigned long write) {
    std::filesystem::path temporary = file;
    temporary += "." + std::to_string(durableFile::processId()) + "-" + std::to_string(write) + ".new";
    return temporary;
}

// "NAME.PID-N.new" beside the file NAME.
bool isTemporaryOf(const std::string& entry, const std::string& name) {
    const std::string suffix = ".new";
    if (entry.size() <= name.size() + 1 + suffix.size() || entry.compare(0, name.size(), name) != 0 ||
        entry[name.size()] != '.' || entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string middle = entry.substr(name.size() + 1, entry.size() - name.size() - 1 - suffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == std::string::npos || dash == 0 || dash + 1 == middle.size())
        return false;
    for (std::size_t i = 0; i < middle.size(); ++i)
        if (i != dash && !std::isdigit(static_cast<unsigned char>(middle[i])))
            return false;
    return true;
}

// A game killed in the middle of a write leaves its temporary file behind.
// A write takes milliseconds, so one that has stood for a minute is nobody's
// any more; a younger one may be another copy of the game's, mid-write.
void removeAbandonedTemporaries(const std::filesystem::path& file) {
    std::error_code error;
    const std::string name = file.filename().u8string();
    const auto cutoff = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1);
    for (std::filesystem::directory_iterator entry(file.parent_path(), error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code entryError;
        if (isTemporaryOf(entry->path().filename().u8string(), name) && entry->is_regular_file(entryError) &&
            entry->last_write_time(entryError) < cutoff && !entryError)
            std::filesystem::remove(entry->path(), entryError);
    }
}

} // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::size_t longest) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(longest + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(longest + 1));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > longest)
        return std::nullopt;
    return bytes;
}

std::filesystem::path nextTemporaryFile(const std::filesystem::path& file) {
    return temporaryFile(file, writesBegun.load());
}

bool writeWholeFile(const std::filesystem::path& file, const std::string& bytes, std::string& why) {
    std::error_code error;
    const std::filesystem::path folder = file.parent_path();
    std::filesystem::create_directories(folder, error);
    if (error) {
        why = "cannot make " + folder.u8string() + ": " + error.message();
        return false;
    }

    // The process and a count of its writes name the temporary file, so that
    // two games saving at once never write into each other's.
    const std::filesystem::path temporary = temporaryFile(file, writesBegun++);
    if (!durableFile::writeNew(temporary, bytes, why) ||
        !durableFile::replace(temporary, file, why)) {
        // Only a file of this write's own is removed: a folder or anything
        // else standing in the way is left as it was found.
        if (!std::filesystem::is_directory(temporary, error))
            std::filesystem::remove(temporary, error);
        return false;
    }
    removeAbandonedTemporaries(file);
    return true;
}
