#include "app/Options.h"
#include "app/FileStorage.h"
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
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // Tests run as root: a folder standing where the file goes stops the write.
    const std::string blocked = makeTempFolder();
    fs::create_directories(fs::path(blocked) / kOptionsName / "inside");
    FileStorage refused(blocked);
    testing::internal::CaptureStderr();
    refused.writeOptions("first");
    refused.writeOptions("second");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.rfind("groundline: the options are not kept: ", 0), 0u) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "not once: " << said;
    EXPECT_TRUE(fs::is_directory(fs::path(blocked) / kOptionsName)) << "the old one is gone";
}
