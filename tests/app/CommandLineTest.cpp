#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Action = CommandLine::Action;

TEST(CommandLine, TakesScalesOneToSixInEitherFormAndNothingElse) {
    const CommandLine none({});
    EXPECT_EQ(none.action, Action::Play);
    EXPECT_EQ(none.scale, 2);

    for (int scale = 1; scale <= 6; ++scale) {
        const std::string digit = std::to_string(scale);
        EXPECT_EQ(CommandLine({"--scale", digit}).scale, scale);
        EXPECT_EQ(CommandLine({"--scale=" + digit}).scale, scale);
    }
    for (const char* wrong : {"0", "7", "3x", "", " 3", "-1", "10"}) {
        const CommandLine refused({"--scale", wrong});
        EXPECT_EQ(refused.action, Action::Refuse) << "'" << wrong << "'";
        EXPECT_NE(refused.problem.find("1 to 6"), std::string::npos) << refused.problem;
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
