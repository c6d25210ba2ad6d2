#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Action = CommandLine::Action;

TEST(CommandLine, TakesScalesAndVolumesWithinTheirRangesInEitherFormAndNothingElse) {
    const CommandLine none({});
    EXPECT_EQ(none.action, Action::Play);
    EXPECT_EQ(none.scale, 2);
    EXPECT_FALSE(none.scaleGiven);
    EXPECT_TRUE(CommandLine({"--scale", "2"}).scaleGiven);
    EXPECT_EQ(none.volume, -1);

    struct Ranged {
        std::string option;
        int lowest, highest;
        int CommandLine::*field;
        std::vector<std::string> wrong;
    };
    const Ranged options[] = {
        {"--scale", 1, 6, &CommandLine::scale, {"0", "7", "3x", "", " 3", "-1", "10"}},
        {"--volume", 0, 100, &CommandLine::volume, {"101", "1000", "50%", "", " 5", "-3"}},
    };
    for (const Ranged& ranged : options) {
        for (int value = ranged.lowest; value <= ranged.highest; ++value) {
            const std::string text = std::to_string(value);
            EXPECT_EQ(CommandLine({ranged.option, text}).*ranged.field, value);
            EXPECT_EQ(CommandLine({ranged.option + "=" + text}).*ranged.field, value);
        }
        const std::string range =
            std::to_string(ranged.lowest) + " to " + std::to_string(ranged.highest);
        for (const std::string& wrong : ranged.wrong) {
            const CommandLine refused({ranged.option, wrong});
            EXPECT_EQ(refused.action, Action::Refuse) << ranged.option << " '" << wrong << "'";
            EXPECT_NE(refused.problem.find(range), std::string::npos) << refused.problem;
        }
    }
}

TEST(CommandLine, TakesTheDataFolderAsWrittenAndRefusesItWithoutOne) {
    EXPECT_EQ(CommandLine({"--data", "my mod/"}).dataFolder, "my mod/");
    EXPECT_EQ(CommandLine({"--data=a=b", "--scale", "3"}).dataFolder, "a=b");
    EXPECT_EQ(CommandLine({"--data"}).action, Action::Refuse);
    EXPECT_EQ(CommandLine({"--data="}).action, Action::Refuse);
    // The option's value is taken whole, even when it looks like an option.
    EXPECT_EQ(CommandLine({"--data", "--help"}).dataFolder, "--help");
    EXPECT_EQ(CommandLine({"--scale", "4", "--help"}).action, Action::ShowHelp);
}

// --play skips the title: alone, before another option, or with a difficulty
// in either form; a word that is no difficulty is refused.
TEST(CommandLine, PlayTakesADifficultyOnlyWhenOneFollows) {
    EXPECT_FALSE(CommandLine({}).play);
    const struct {
        std::vector<std::string> arguments;
        std::optional<Difficulty> level;
    } plays[] = {
        {{"--play"}, std::nullopt},
        {{"--play", "--mute"}, std::nullopt},
        {{"--play", "hard"}, Difficulty::Hard},
        {{"--play=easy", "--scale", "3"}, Difficulty::Easy},
        {{"--play", "normal"}, Difficulty::Normal},
    };
    for (const auto& sample : plays) {
        const CommandLine line(sample.arguments);
        EXPECT_EQ(line.action, Action::Play) << sample.arguments.size();
        EXPECT_TRUE(line.play);
        EXPECT_EQ(line.playLevel, sample.level);
    }
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"--play", "Hard"}, {"--play=", "x"}, {"--play=x"}})
        EXPECT_EQ(CommandLine(wrong).action, Action::Refuse) << wrong.front();
}
