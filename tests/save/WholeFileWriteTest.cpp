// The one writer of the record, the options and the save: whatever stops a
// write, the file is the old one whole or the new one whole.

#include "app/WholeFile.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

namespace fs = std::filesystem;

// A folder standing where the temporary file or the file itself would go
// fails the write, and leaves the old file, and the folder, as they were.
// A writer that wrote straight over the file would not fail here.
TEST(WholeFileWrite, AFailedWriteLeavesTheOldFileWhole) {
    const fs::path file = fs::u8path(makeTempFolder()) / "made" / "save.txt";
    std::string why;
    ASSERT_TRUE(writeWholeFile(file, "old and whole\n", why)) << why;

    const fs::path inTheWay = nextTemporaryFile(file);
    fs::create_directory(inTheWay);
    EXPECT_FALSE(writeWholeFile(file, "new\n", why));
    EXPECT_NE(why.find(inTheWay.filename().string()), std::string::npos) << why;
    EXPECT_EQ(readWholeFile(file, 100), "old and whole\n");
    EXPECT_TRUE(fs::is_directory(inTheWay));

    const fs::path folderAsFile = file.parent_path() / "taken";
    fs::create_directories(folderAsFile / "inside");
    EXPECT_FALSE(writeWholeFile(folderAsFile, "new\n", why));
    EXPECT_TRUE(fs::is_directory(folderAsFile / "inside"));

    // Nothing of the failed writes is left beside the file, and the next
    // write goes through under a name of its own. It also clears what a
    // game killed long ago mid-write left, but not another game's write in
    // progress nor a file that only looks alike.
    fs::remove(inTheWay);
    const fs::path folder = file.parent_path();
    const auto plant = [&](const std::string& name, std::chrono::minutes age) {
        std::string ignored;
        writeWholeFile(folder / name, "left\n", ignored);
        fs::last_write_time(folder / name, fs::file_time_type::clock::now() - age);
    };
    plant("save.txt.77-3.new", std::chrono::minutes(90));
    plant("save.txt.78-0.new", std::chrono::minutes(0));
    plant("save.txt.old.new", std::chrono::minutes(90));
    ASSERT_TRUE(writeWholeFile(file, "new\n", why)) << why;
    EXPECT_EQ(readWholeFile(file, 100), "new\n");
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder))
        left.insert(entry.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"save.txt", "taken", "save.txt.78-0.new", "save.txt.old.new"}));
}

// Two writers at once, as two copies of the game saving together: every
// write succeeds, and a reader meanwhile only ever finds one of them whole.
TEST(WholeFileWrite, TwoWritersAtOnceEachLeaveAWholeFile) {
    const fs::path file = fs::u8path(makeTempFolder()) / "save.txt";
    const std::string first(3000, 'a');
    const std::string second(5000, 'b');
    std::string why;
    ASSERT_TRUE(writeWholeFile(file, first, why));

    std::atomic<int> failures{0};
    std::atomic<bool> writing{true};
    const auto writer = [&](const std::string& bytes) {
        std::string reason;
        for (int i = 0; i < 200; ++i)
            if (!writeWholeFile(file, bytes, reason))
                ++failures;
    };
    int partial = 0;
    std::thread reader([&] {
        while (writing) {
            const std::optional<std::string> found = readWholeFile(file, 10000);
            if (!found || (*found != first && *found != second))
                ++partial;
        }
    });
    std::thread a(writer, first);
    std::thread b(writer, second);
    a.join();
    b.join();
    writing = false;
    reader.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(partial, 0);
    const std::optional<std::string> last = readWholeFile(file, 10000);
    EXPECT_TRUE(last == first || last == second);
}
