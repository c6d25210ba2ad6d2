// A game continued from a save plays on as the unbroken one, for every
// strategy and with every kind of invader on the field, the boss included.

#include "sim/SaveCheck.h"
#include "sim/Strategy.h"

#include "app/Engine.h"
#include "invaders/InvaderKind.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

namespace {

class SaveCheckTest : public ::testing::TestWithParam<std::string> {
  protected:
    // Every kind from wave 1 and a boss every other wave, as in BotGameTest,
    // so that a few waves after each save meet them all.
    static void SetUpTestSuite() {
        loadShippedGame();
        bringEveryKindForward(2);
    }
};

} // namespace

TEST_P(SaveCheckTest, AContinuedGamePlaysOnAsTheUnbrokenOne) {
    const SaveCheck check = checkSaves(GetParam(), 2, false, 6, 2);
    EXPECT_EQ(check.difference, "") << "wave " << check.differingWave;
    if (GetParam() == "none")
        return; // lost in the first waves, with no tower to meet anything
    EXPECT_EQ(check.wavesSaved, (std::vector<int>{1, 3, 5}));
    ASSERT_EQ(check.metByKind.size(), static_cast<size_t>(invaderKindCount()));
    for (int kind = 0; kind < invaderKindCount(); ++kind) {
        if (Engine::instance().invaderDefs[kind].present) {
            EXPECT_GT(check.metByKind[kind], 0) << invaderKinds()[kind].reportName;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStrategy, SaveCheckTest, ::testing::ValuesIn(strategyNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });
