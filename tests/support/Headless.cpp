#include "support/Headless.h"

#include "app/Canvas.h"
#include "app/Engine.h"
#include "app/FileNames.h"
#include "gfx/PackedImage.h"

#include <allegro.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace {

std::vector<std::string>& foldersToRemove() {
    static std::vector<std::string> folders;
    return folders;
}

class HeadlessAllegro : public ::testing::Environment {
  public:
    void SetUp() override { Engine::initHeadless(); }

    void TearDown() override {
        for (const std::string& folder : foldersToRemove())
            std::filesystem::remove_all(std::filesystem::u8path(folder));
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new HeadlessAllegro);

} // namespace

std::string makeTempFolder() {
    // Random names tried until one is new, as mkdtemp does; Windows has no mkdtemp.
    // In UTF-8, as the game takes every name: a player's temporary folder on
    // Windows may be named in any script.
    static std::mt19937 pick{std::random_device{}()};
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int tries = 0; tries < 100; ++tries) {
        const std::filesystem::path folder = base / ("groundline-test-" + std::to_string(pick()));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error)) {
            foldersToRemove().push_back(folder.u8string());
            return folder.u8string();
        }
    }
    ADD_FAILURE() << "cannot make a temporary folder";
    return base.u8string();
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(std::filesystem::u8path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

void writeGzipFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    gzFile stream = openCompressedFile(path, "wb");
    ASSERT_NE(stream, nullptr);
    if (!bytes.empty())
        gzwrite(stream, bytes.data(), static_cast<unsigned>(bytes.size()));
    gzclose(stream);
}

void loadShippedGame() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const std::vector<std::string> problems = Engine::instance().loadData("data");
    ASSERT_TRUE(problems.empty()) << problems.front() << " (run from the repository root)";
}

void bringEveryKindForward(int bossEvery) {
    Engine& engine = Engine::instance();
    for (InvaderDef& def : engine.invaderDefs)
        if (def.firstWave > 0)
            def.firstWave = 1;
    engine.settings.set("BossWaveEvery", std::to_string(bossEvery));
}
