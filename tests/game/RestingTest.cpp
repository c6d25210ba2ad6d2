#include "SessionFixture.h"

#include "app/GameLoop.h"
#include "game/PlayfieldScreen.h"

// A screen that stands still is neither played nor drawn until the player
// does something; between waves, the game is played ten times a second and
// loses none of its time; a wave in flight is played every frame.
TEST_F(SessionTest, AStillGameRestsUntilTouchedAndACalmOneIsPlayedLessOften) {
    engine.timestepThreshold = 1.0 / 60;
    GameLoop loop(engine, GameLoop::Quit::Ends);
    GameSession& game = *loop.session();
    const auto step = [&] {
        platform.time += 0.004;
        return loop.frame(engine.waitForFrame(loop.resting));
    };
    const auto restingFramesOf = [&](int frames) {
        int resting = 0;
        for (int k = 0; k < frames; ++k) {
            step();
            resting += loop.resting;
        }
        return resting;
    };

    // Between waves: a frame in six is played, and the countdown keeps time.
    step();
    const double timerBefore = game.waveTimer;
    const double clockBefore = platform.time;
    EXPECT_GE(restingFramesOf(60), 48);
    EXPECT_NEAR(timerBefore - game.waveTimer, platform.time - clockBefore, 0.1);

    // Paused: every frame rests, until a key or the pointer moves.
    platform.press(KEY_P);
    step();
    EXPECT_FALSE(loop.resting);
    ASSERT_TRUE(loop.screen()->paused);
    const double pausedTimer = game.waveTimer;
    EXPECT_EQ(restingFramesOf(30), 30);
    pointAt(100, 100);
    step();
    EXPECT_FALSE(loop.resting) << "the pointer moved";
    EXPECT_EQ(restingFramesOf(5), 5);
    platform.press(KEY_P);
    step();
    EXPECT_FALSE(loop.screen()->paused);
    EXPECT_DOUBLE_EQ(game.waveTimer, pausedTimer) << "a paused game lost its time";

    // A wave in flight never rests.
    game.waveTimer = 0.001;
    for (int k = 0; k < 10 && game.waveTimer >= 0.0; ++k)
        step();
    ASSERT_LT(game.waveTimer, 0.0);
    EXPECT_EQ(restingFramesOf(30), 0);
}
