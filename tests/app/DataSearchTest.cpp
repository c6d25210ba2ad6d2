#include "app/DataSearch.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A prefix the game is installed in, with the executable where the
// installation puts it, and a working folder of the player's.
class DataSearchTest : public ::testing::Test {
  protected:
    void giveSettings(const std::string& folder) {
        std::filesystem::create_directories(std::filesystem::u8path(folder));
        writeFile(folder + "/strings.txt", {'A', '=', '1', '\n'});
    }

    const std::string prefix = makeTempFolder();
    const std::string executable = prefix + "/games/groundline";
    const std::string installed = DataSearch::installedData(executable);
    const std::string working = makeTempFolder() + "/data";
};

} // namespace

TEST_F(DataSearchTest, PrefersTheWorkingFoldersDataThenTheInstalledData) {
    // In the system's own spelling: Windows writes "\\" between folders.
    const std::string inside = (std::filesystem::u8path(prefix) / "").lexically_normal().u8string();
    EXPECT_EQ(installed.rfind(inside, 0), 0u) << "not inside the prefix: " << installed;
    const DataSearch nothing("", executable, working);
    EXPECT_EQ(nothing.chosen(), "");
    EXPECT_EQ(nothing.lookedIn(), (std::vector<std::string>{working, installed}));

    giveSettings(installed);

    // A data/ without strings.txt is someone else's folder, not a game's.
    std::filesystem::create_directories(std::filesystem::u8path(working));
    EXPECT_EQ(DataSearch("", executable, working).chosen(), installed);

    giveSettings(working);
    EXPECT_EQ(DataSearch("", executable, working).chosen(), working);
}

TEST_F(DataSearchTest, AFolderAskedForIsTheOnlyOneTried) {
    giveSettings(working);
    giveSettings(installed);
    const std::string mod = makeTempFolder();
    const DataSearch missing(mod, executable, working);
    EXPECT_EQ(missing.chosen(), "");
    EXPECT_EQ(missing.lookedIn(), std::vector<std::string>{mod});

    giveSettings(mod);
    EXPECT_EQ(DataSearch(mod, executable, working).chosen(), mod);
}
