#include "window/GameFolder.h"

#include "window/WindowTestPaths.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

constexpr const char* kSettingsFile = "data/strings.txt";

} // namespace

GameFolder::GameFolder() {
    std::filesystem::copy(std::filesystem::path(repositoryRoot()) / "data",
                          std::filesystem::path(folder.path()) / "data",
                          std::filesystem::copy_options::recursive);
}

void GameFolder::setSetting(const std::string& key, const std::string& value) const {
    const std::string path = folder.path() + "/" + kSettingsFile;
    std::ifstream original(path, std::ios::binary);
    if (!original)
        throw std::runtime_error("cannot read " + path);

    std::ostringstream changed;
    bool replaced = false;
    std::string line;
    while (std::getline(original, line)) {
        if (line.rfind(key + "=", 0) == 0) {
            line = key + "=" + value;
            replaced = true;
        }
        changed << line << '\n';
    }
    if (!replaced)
        changed << key << '=' << value << '\n';
    folder.write(kSettingsFile, changed.str());
}

void GameFolder::remove(const std::string& relativePath) const {
    std::filesystem::remove(std::filesystem::path(folder.path()) / relativePath);
}
