#include "app/WholeFile.h"

#include "app/DurableFile.h"

#include <atomic>
#include <fstream>
#include <system_error>

namespace {

// Writes begun by this process, across its threads.
std::atomic<unsigned long> writesBegun{0};

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
    std::filesystem::path temporary = file;
    temporary += "." + std::to_string(durableFile::processId()) + "-" +
                 std::to_string(writesBegun.load()) + ".new";
    return temporary;
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
    std::filesystem::path temporary = file;
    temporary += "." + std::to_string(durableFile::processId()) + "-" +
                 std::to_string(writesBegun++) + ".new";
    if (!durableFile::writeNew(temporary, bytes, why) ||
        !durableFile::replace(temporary, file, why)) {
        // Only a file of this write's own is removed: a folder or anything
        // else standing in the way is left as it was found.
        if (!std::filesystem::is_directory(temporary, error))
            std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
