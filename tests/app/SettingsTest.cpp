#include "app/Settings.h"
#include "support/Headless.h"
#include "window_locale/DecimalCommaLocale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
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

TEST(Settings, TrimsNothingAndTakesOnlyAFirstColumnHashAsAComment) {
    const Settings settings =
        loadText("Title=Groundline Defence \n Lead=1\nSpaced = 2\n#Comment=3\n #Kept=4\n");
    EXPECT_EQ(settings.get("Title"), "Groundline Defence ");
    EXPECT_EQ(settings.get("Lead"), "");
    EXPECT_EQ(settings.get(" Lead"), "1");
    EXPECT_EQ(settings.get("Spaced"), "");
    EXPECT_EQ(settings.get("Spaced "), " 2");
    EXPECT_EQ(settings.getInt("Spaced "), 2);
    EXPECT_EQ(settings.get("#Comment"), "");
    EXPECT_EQ(settings.get(" #Kept"), "4");
}

TEST(Settings, LaterLinesWinAndLineEndsOfEitherKindWork) {
    const Settings settings = loadText("Key=first\r\nKey=second\r\nWindows=yes\r\nLast=no newline");
    EXPECT_EQ(settings.get("Key"), "second");
    EXPECT_EQ(settings.get("Windows"), "yes");
    EXPECT_EQ(settings.get("Last"), "no newline");
}

TEST(Settings, ReadsNumbersTheWayTheCLibraryDoes) {
    Settings settings;
    settings.set("Real", "3.7");
    settings.set("Letters", "abc");
    settings.set("Padded", "  42");
    settings.set("Suffix", "12px");
    settings.set("Negative", "-5");
    settings.set("Small", "0.05");
    settings.set("Exponent", "1e-2");
    settings.set("Huge", "99999999999999999999");
    settings.set("HugeNegative", "-99999999999999999999");
    settings.set("Infinite", " -INFINITY");
    settings.set("NotANumber", "nan(1)");
    EXPECT_EQ(settings.getInt("Real"), 3);
    EXPECT_EQ(settings.getReal("Real"), 3.7);
    EXPECT_EQ(settings.getInt("Letters"), 0);
    EXPECT_EQ(settings.getReal("Letters"), 0.0);
    EXPECT_EQ(settings.getInt("Padded"), 42);
    EXPECT_EQ(settings.getInt("Suffix"), 12);
    EXPECT_EQ(settings.getInt("Negative"), -5);
    EXPECT_EQ(settings.getReal("Small"), 0.05);
    EXPECT_EQ(settings.getReal("Exponent"), 0.01);
    EXPECT_EQ(settings.getInt("Huge"), 2147483647);
    EXPECT_EQ(settings.getInt("HugeNegative"), -2147483647 - 1);
    EXPECT_EQ(settings.getReal("Infinite"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(settings.getReal("NotANumber")));
    EXPECT_EQ(settings.getInt("Missing"), 0);
    EXPECT_EQ(settings.getReal("Missing"), 0.0);
}

TEST(Settings, ReadsRealsWithAPointInADecimalCommaLocale) {
    Settings settings;
    settings.set("Rate", " -0.45e1x");
    settings.set("Comma", "0,45");
    const decimalComma::SwitchedProcess german(makeTempFolder());
    ASSERT_TRUE(german.switched) << "localedef could not make " << decimalComma::kLocaleName;
    // The switch took: the C library's own atof now stops at the point.
    ASSERT_EQ(std::atof("0.45"), 0.0);
    EXPECT_EQ(settings.getReal("Rate"), -4.5);
    EXPECT_EQ(settings.getReal("Comma"), 0.0);
}

TEST(Settings, AMissingFileChangesNothing) {
    Settings settings;
    settings.set("Kept", "1");
    EXPECT_FALSE(settings.load(makeTempFolder() + "/absent.txt"));
    EXPECT_EQ(settings.get("Kept"), "1");
}

TEST(Settings, AnyBytesLoad) {
    std::string text("Nul=a\0b\n\0=zero\n", 15);
    text += "Long=" + std::string(10 * 1024 * 1024, 'x') + "\n";
    text += "\xff\xfe=\x80";
    const Settings settings = loadText(text);
    EXPECT_EQ(settings.get("Nul"), std::string("a\0b", 3));
    EXPECT_EQ(settings.get("Long").size(), 10u * 1024 * 1024);
    EXPECT_EQ(settings.get("\xff\xfe"), "\x80");
}
