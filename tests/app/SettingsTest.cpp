#include "app/Settings.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Settings loadText(const std::string& text) {
    const std::string path = makeTempFolder() + "/strings.txt";
    writeFile(path, std::vector<unsigned char>(text.begin(), text.end()));
    Settings settings;
    EXPECT_TRUE(settings.load(path));
    return settings;
}

} // namespace

TEST(Settings, SplitsAtEveryEqualsSignAndKeepsTheSecondPiece) {
    const Settings settings = loadText("Empty=\n=nameless\nTwo=a=b\nAdjacent==b\nNoEquals\n");
    EXPECT_EQ(settings.get("Empty"), "");
    EXPECT_EQ(settings.getInt("Empty"), 0);
    EXPECT_EQ(settings.getReal("Empty"), 0.0);
    EXPECT_EQ(settings.get(""), "nameless");
    EXPECT_EQ(settings.get("Two"), "a");
    EXPECT_EQ(settings.get("Adjacent"), "");
    EXPECT_EQ(settings.get("NoEquals"), "");
}
