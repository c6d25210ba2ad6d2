#include "app/Options.h"
#include "app/Engine.h"
#include "app/FileStorage.h"
#include "support/EngineScope.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

// Written as read, and read strictly: anything the writer would not have
// written is no options at all.
TEST(OptionsFile, ReadsOnlyWhatTheWriterWrites) {
    for (const Options& options :
         {Options{0, false, 1, Difficulty::Easy}, Options{70, true, 2, Difficulty::Normal},
          Options{100, false, 6, Difficulty::Hard}})
        EXPECT_EQ(readOptions(writeOptions(options)), options);

    const std::string good = writeOptions({70, false, 2, Difficulty::Normal});
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string bytes = good;
        return bytes.replace(bytes.find(from), from.size(), to);
    };
    for (const std::string& bad :
         {std::string(), good.substr(0, good.size() - 1), replaced("options 1", "options 2"),
          replaced("volume=70", "volume=070"), replaced("volume=70", "volume=101"),
          replaced("volume=70", "volume=-5"), replaced("muted=0", "muted=2"),
          replaced("scale=2", "scale=0"), replaced("scale=2", "scale=7"),
          replaced("normal", "Normal"), replaced("\n", "\r\n"), good + "extra=1\n",
          replaced("volume=70\nmuted=0", "muted=0\nvolume=70")})
        EXPECT_FALSE(readOptions(bad)) << bad;
}

// Kept beside the records, replaced whole; a folder that cannot be written
// costs the options with one line, said once, and never the game.
TEST(OptionsFile, IsKeptBesideTheRecordsOrSaysOnceWhyNot) {
    const std::string folder = makeTempFolder() + "/groundline";
    FileStorage storage(folder);
    EXPECT_FALSE(storage.readOptions()) << "none before the first save";
    storage.writeOptions("first");
    storage.writeOptions("second");
    EXPECT_EQ(storage.readOptions(), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::u8path(folder)), fs::directory_iterator()),
              1);

    // Tests run as root: a folder standing where the file goes stops the write.
    const std::string blocked = makeTempFolder();
    fs::create_directories(fs::u8path(blocked) / kOptionsName / "inside");
    FileStorage refused(blocked);
    testing::internal::CaptureStderr();
    refused.writeOptions("first");
    refused.writeOptions("second");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.rfind("groundline: the options are not kept: ", 0), 0u) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "not once: " << said;
    EXPECT_TRUE(fs::is_directory(fs::u8path(blocked) / kOptionsName)) << "the old one is gone";
}

namespace {

// Keeps the options in memory, and hands back what a test planted.
class MemoryStorage : public Storage {
  public:
    std::optional<std::string> readOptions() override { return kept; }
    void writeOptions(const std::string& bytes) override { kept = bytes; }
    std::optional<std::string> kept;
};

} // namespace

// The engine takes kept options that read, ignores damaged ones with one
// line, and keeps what the player changes but not what the command line gave.
TEST(OptionsFile, TheEngineTakesWhatReadsAndKeepsNoCommandLine) {
    EngineScope scope;
    Engine& engine = scope.engine;
    MemoryStorage storage;
    engine.storage = &storage;
    engine.settings.set("SoundVolume", "70");

    storage.kept = writeOptions({40, true, 3, Difficulty::Hard});
    engine.readOptions();
    EXPECT_EQ(engine.options, (Options{40, true, 3, Difficulty::Hard}));

    storage.kept = "groundline options 1\nvolume=40\n";
    testing::internal::CaptureStderr();
    engine.readOptions();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(engine.options, Options());
    EXPECT_EQ(said.rfind("groundline: ", 0), 0u);
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;

    // --volume 10 plays this run at 10; the difficulty chosen is kept with
    // strings.txt's volume, not the command line's.
    engine.soundVolume = 10;
    EXPECT_EQ(engine.startVolume(), 10);
    engine.options.difficulty = Difficulty::Easy;
    engine.saveOptions();
    EXPECT_EQ(readOptions(*storage.kept), (Options{70, false, 2, Difficulty::Easy}))
        << "scale " << engine.scale;
}
