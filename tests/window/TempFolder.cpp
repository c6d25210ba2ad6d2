#include "window/TempFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "groundline-window-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error(std::string("cannot make a temporary folder: ") +
                                 std::strerror(errno));
    folderPath = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folderPath, ignored);
}

void TempFolder::write(const std::string& relativePath, const std::string& text) const {
    const std::filesystem::path path = std::filesystem::path(folderPath) / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}
