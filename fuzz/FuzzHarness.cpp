#include "FuzzHarness.h"

#include "app/Engine.h"
#include "gfx/PackedImage.h"

#include <allegro.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

void setUpHeadless() {
    Engine::initHeadless();
}

namespace {

// Removes the scratch files when the run ends, however many inputs it took.
class ScratchFiles {
  public:
    ~ScratchFiles() {
        for (const auto& entry : paths)
            std::filesystem::remove(entry.second);
    }

    const std::string& path(const std::string& extension) {
        auto found = paths.find(extension);
        if (found != paths.end())
            return found->second;
        // /dev/shm keeps millions of writes off the disk where it exists.
        const std::filesystem::path folder = std::filesystem::exists("/dev/shm")
                                                 ? std::filesystem::path("/dev/shm")
                                                 : std::filesystem::temp_directory_path();
        const std::string name = "groundline-fuzz-" + std::to_string(getpid()) + extension;
        return paths.emplace(extension, (folder / name).string()).first->second;
    }

  private:
    std::map<std::string, std::string> paths;
};

ScratchFiles scratchFiles;

} // namespace

std::string scratchPath(const std::string& extension) {
    return scratchFiles.path(extension);
}

std::string writeScratchFile(const uint8_t* data, size_t size, const std::string& extension) {
    const std::string& path = scratchFiles.path(extension);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

bool declaresHugeImage(const std::string& path) {
    // The largest font and sheet have some 6,600 pixels; only the background
    // is bigger.
    constexpr long kLargestPicture = 8192;
    gzFile stream = gzopen(path.c_str(), "rb");
    if (!stream)
        return false;
    const long width = readU16(stream);
    const long height = readU16(stream);
    gzclose(stream);
    return width * height > kLargestPicture;
}

bool loadShippedGame() {
    static const bool usable = [] {
        setUpHeadless();
        const std::vector<std::string> problems =
            Engine::instance().loadData(GROUNDLINE_DATA_FOLDER);
        for (const std::string& problem : problems)
            std::fprintf(stderr, "fuzz: %s\n", problem.c_str());
        return problems.empty();
    }();
    return usable;
}
