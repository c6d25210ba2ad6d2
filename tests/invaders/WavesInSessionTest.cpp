#include "game/SessionFixture.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"

#include <vector>

namespace {

std::vector<double> heights(const Wave* wave) {
    std::vector<double> result;
    for (const Invader* invader : wave->invaders)
        result.push_back(invader->y);
    return result;
}

} // namespace

// With nothing to stop them, the first waves march down and the game is lost.
TEST_F(SessionTest, UndefendedWavesEndTheGame) {
    int escapesInFirstWave = 0;
    int step = 0;
    for (; step < 100000 && !session->gameOver; ++step) {
        const int healthBefore = session->health;
        session->update(0.1);
        if (session->waveNumber == 1)
            escapesInFirstWave += healthBefore - session->health;
        if (session->wave) {
            for (const Invader* invader : session->wave->invaders)
                ASSERT_LT(invader->y, 190.0);
        }
    }
    ASSERT_TRUE(session->gameOver);

    // Wave 1 lost all 16 squibbles at the bottom; in wave 2 the front row of
    // 6 arrived together and took the last 4 points and more.
    EXPECT_EQ(escapesInFirstWave, 16);
    EXPECT_EQ(session->waveNumber, 2);
    EXPECT_EQ(session->health, 0);
    EXPECT_EQ(session->mode, GameSession::QuitDialog);
    ASSERT_NE(session->wave, nullptr);
    EXPECT_EQ(session->wave->invaders.size(), 18u - 6u);

    // The rest of the wave stands where the game ended.
    const auto frozen = heights(session->wave);
    for (int i = 0; i < 50; ++i)
        session->update(0.1);
    EXPECT_EQ(heights(session->wave), frozen);
    EXPECT_EQ(session->waveNumber, 2);
    frame();
}
