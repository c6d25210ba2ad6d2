#include "app/RecordFile.h"
#include "app/RecordFolder.h"
#include "app/RecordFormat.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

const std::string kSettings = "StartingMoney=100\nStartingHealth=10\n";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Sets one environment variable, spelt in UTF-8, for as long as it lives,
// then puts back what was there, so that no test points the game at the
// real player's folders or leaves another test pointed elsewhere.
class ScopedVariable {
  public:
    ScopedVariable(const std::string& name, const std::optional<std::string>& value)
        : name(name), previous(get(name)) {
        set(name, value);
    }
    ~ScopedVariable() { set(name, previous); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
#ifdef _WIN32
    static std::wstring wide(const std::string& text) {
        return fs::u8path(text).wstring();
    }
    static std::optional<std::string> get(const std::string& name) {
        std::vector<wchar_t> value(32768);
        const DWORD length = GetEnvironmentVariableW(wide(name).c_str(), value.data(),
                                                     static_cast<DWORD>(value.size()));
        if (length == 0)
            return std::nullopt;
        return fs::path(std::wstring(value.data(), length)).u8string();
    }
    static void set(const std::string& name, const std::optional<std::string>& value) {
        SetEnvironmentVariableW(wide(name).c_str(), value ? wide(*value).c_str() : nullptr);
    }
#else
    static std::optional<std::string> get(const std::string& name) {
        const char* value = std::getenv(name.c_str());
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void set(const std::string& name, const std::optional<std::string>& value) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
#endif

    const std::string name;
    const std::optional<std::string> previous;
};

// A player's folder of records that does not exist yet: the first save makes it.
class RecordFileTest : public ::testing::Test {
  protected:
    const std::string folder = makeTempFolder() + "/groundline";
};

} // namespace

TEST_F(RecordFileTest, KeepsTheBestAcrossGamesAndNeverLowersIt) {
    RecordFile first(folder, kSettings);
    EXPECT_EQ(first.bestWaves(), 0);
    EXPECT_FALSE(fs::exists(fs::u8path(folder))) << "reading wrote something";

    first.keep(7);
    EXPECT_EQ(readBytes(fs::u8path(first.path())), "groundline record 1\nbestWaves=7\n");
    for (const int worse : {3, 0, -5}) {
        first.keep(worse);
        EXPECT_EQ(first.bestWaves(), 7) << worse;
    }

    // The next game, and one played alongside it that does better: the
    // record on disk is the best of all of them, whoever saves last.
    RecordFile second(folder, kSettings);
    RecordFile alongside(folder, kSettings);
    EXPECT_EQ(second.bestWaves(), 7);
    alongside.keep(9);
    second.keep(8);
    EXPECT_EQ(second.bestWaves(), 9);
    EXPECT_EQ(RecordFile(folder, kSettings).bestWaves(), 9);

    // More than a record can say is held to the most it can.
    second.keep(INT_MAX);
    EXPECT_EQ(RecordFile(folder, kSettings).bestWaves(), kMostWaves);
    EXPECT_EQ(fs::directory_iterator(fs::u8path(folder))->path().filename(), recordName(kSettings))
        << "a temporary file was left behind";
}

TEST_F(RecordFileTest, AnUnreadableRecordCountsAsNoneAndTheNextSaveReplacesIt) {
    const std::string valid = writeRecord(12);
    const std::string header = "groundline record 1\nbestWaves=";
    const std::vector<std::string> unreadable = {
        "",
        "\x1f\x8b\x08\x00 not a record at all",
        valid.substr(0, valid.size() - 1),
        valid.substr(0, 10),
        header + "\n",
        "groundline record 2\nbestWaves=12\n",
        header + "-3\n",
        header + "+3\n",
        header + "012\n",
        header + std::to_string(kMostWaves + 1) + "\n",
        header + "99999999999999999999\n",
        "groundline record 1\r\nbestWaves=12\r\n",
        valid + "bestWaves=13\n",
        valid + std::string(200, '\n'),
    };
    fs::create_directories(fs::u8path(folder));
    const fs::path file = fs::u8path(RecordFile(folder, kSettings).path());
    for (const std::string& bytes : unreadable) {
        writeBytes(file, bytes);
        RecordFile record(folder, kSettings);
        EXPECT_EQ(record.bestWaves(), 0) << bytes;
        record.keep(3);
        EXPECT_EQ(readBytes(file), writeRecord(3)) << bytes;
    }
    for (const int waves : {0, 1, 12, kMostWaves})
        EXPECT_EQ(readRecord(writeRecord(waves)), waves);
}

TEST_F(RecordFileTest, EachSettingsTextHasItsOwnFileUnderAStableName) {
    // FNV-1a's published value for "a": players' records must not move when
    // the compiler or the platform does.
    EXPECT_EQ(RecordFile(folder, "a").path(),
              (fs::u8path(folder) / "best-af63dc4c8601ec8c.txt").u8string());

    RecordFile shipped(folder, kSettings);
    RecordFile mod(folder, kSettings + "StartingMoney=500\n");
    EXPECT_NE(shipped.path(), mod.path());
    EXPECT_EQ(shipped.path(), RecordFile(folder, kSettings).path());
    mod.keep(20);
    shipped.keep(4);
    EXPECT_EQ(RecordFile(folder, kSettings).bestWaves(), 4);
    EXPECT_EQ(RecordFile(folder, kSettings + "StartingMoney=500\n").bestWaves(), 20);

    // The kinds met lie beside the record under the same hash.
    RecordFile(folder, "a").writeMeetings("groundline met 1\n");
    EXPECT_EQ(readBytes(fs::u8path(folder) / "met-af63dc4c8601ec8c.txt"), "groundline met 1\n");
    EXPECT_EQ(RecordFile(folder, "a").readMeetings(), "groundline met 1\n");
    EXPECT_EQ(mod.readMeetings(), std::nullopt);
}

TEST_F(RecordFileTest, AFolderThatCannotBeWrittenCostsTheRecordNotTheGame) {
    // Tests run as root, whom permissions do not stop: a regular file stands
    // where a folder must be instead.
    const std::string scratch = makeTempFolder();
    writeBytes(fs::u8path(scratch) / "file", "");
    const std::string underAFile = scratch + "/file/groundline";
    const std::string taken = makeTempFolder();
    fs::create_directories(fs::u8path(taken) / recordName(kSettings));

    for (const std::string& where : {underAFile, taken, std::string()}) {
        RecordFile record(where, kSettings);
        testing::internal::CaptureStderr();
        EXPECT_NO_THROW(record.keep(4));
        EXPECT_NO_THROW(record.keep(5));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.rfind("groundline: ", 0), 0u) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << "not one line: " << said;
        if (!where.empty()) {
            EXPECT_NE(said.find(fs::u8path(where).u8string()), std::string::npos) << said;
        }
        EXPECT_EQ(record.bestWaves(), 5) << "this game forgot its own best";
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::u8path(taken)), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
    EXPECT_FALSE(fs::exists(recordName(kSettings))) << "wrote into the working folder";
}

TEST(RecordFolder, IsInThePlayersDataFolderWhateverItsName) {
#ifdef _WIN32
    const char* const dataVariable = "APPDATA";
    const char* const gameFolder = "Groundline";
#else
    const char* const dataVariable = "XDG_DATA_HOME";
    const char* const gameFolder = "groundline";
#endif
    // Letters beyond any one code page, as a player's name may have.
    const fs::path player = fs::u8path(makeTempFolder()) / fs::u8path("Zo\xc3\xab \xc5\x81\xc3\xb3"
                                                                      "d\xc5\xba");
    const ScopedVariable data(dataVariable, player.u8string());
    EXPECT_EQ(recordFolder(), (player / gameFolder).u8string());

    RecordFile(recordFolder(), kSettings).keep(2);
    EXPECT_EQ(readBytes(player / gameFolder / recordName(kSettings)), writeRecord(2));
}

#ifndef _WIN32
TEST(RecordFolder, FollowsXdgDataHomeThenHome) {
    struct Case {
        std::optional<std::string> dataHome, home;
        std::string folder;
    };
    const Case cases[] = {
        {"/data", "/home/p", "/data/groundline"},
        {std::nullopt, "/home/p", "/home/p/.local/share/groundline"},
        {"", "/home/p", "/home/p/.local/share/groundline"},
        {"relative/data", "/home/p", "/home/p/.local/share/groundline"},
        {std::nullopt, "relative", ""},
        {std::nullopt, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const ScopedVariable dataHome("XDG_DATA_HOME", c.dataHome);
        const ScopedVariable home("HOME", c.home);
        EXPECT_EQ(recordFolder(), c.folder)
            << c.dataHome.value_or("(unset)") << ", " << c.home.value_or("(unset)");
    }
}
#endif
