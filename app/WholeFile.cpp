#include "app/WholeFile.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace {

// Why the last file operation failed, as the C library says it.
std::string lastSystemError() {
    if (errno == 0)
        return "the system gave no reason";
    return std::error_code(errno, std::generic_category()).message();
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

bool writeWholeFile(const std::filesystem::path& file, const std::string& bytes, std::string& why) {
    std::error_code error;
    const std::filesystem::path folder = file.parent_path();
    std::filesystem::create_directories(folder, error);
    if (error) {
        why = "cannot make " + folder.u8string() + ": " + error.message();
        return false;
    }

    std::filesystem::path temporary = file;
    temporary += ".new";
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        why = "cannot write " + temporary.u8string() + ": " + lastSystemError();
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        why = "cannot replace " + file.u8string() + ": " + error.message();
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
