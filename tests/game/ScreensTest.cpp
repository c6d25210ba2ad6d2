#include "SessionFixture.h"

#include "app/GameLoop.h"
#include "game/HowToPlayScreen.h"
#include "game/OptionsScreen.h"
#include "game/TitleScreen.h"

namespace {

template <typename Kind> bool shows(const GameLoop& loop) {
    return dynamic_cast<Kind*>(loop.current()) != nullptr;
}

} // namespace

// The program opens on the title, and every screen is reached and left by
// keys and clicks alike: the difficulty beside Play, a game and back, How to
// Play, Options, and Quit.
TEST_F(SessionTest, TheTitleLeadsToEveryScreenByKeysAndClicksAndBack) {
    GameLoop loop(engine, GameLoop::Quit::Ends, GameLoop::Opening::Title);
    const auto step = [&] {
        platform.time += 0.016;
        return loop.frame(engine.waitForFrame());
    };
    const auto key = [&](int scanCode) {
        platform.press(scanCode);
        return step();
    };
    const auto clickOn = [&](const layout::Rect& rect) {
        pointAt(rect.centreX(), rect.centreY());
        platform.buttons = 1;
        step();
        platform.buttons = 0;
        return step();
    };
    ASSERT_TRUE(shows<TitleScreen>(loop));
    ASSERT_EQ(loop.session(), nullptr);

    // Left and right step the difficulty and stop at the ends; so do the
    // arrows, and a click on the value steps it on.
    constexpr layout::Rect kNoClick{};
    const struct {
        int scanCode;
        layout::Rect clicked;
        Difficulty now;
    } steps[] = {
        {KEY_RIGHT, kNoClick, Difficulty::Hard},
        {KEY_RIGHT, kNoClick, Difficulty::Hard},
        {0, layout::menuLeftArrow(0), Difficulty::Normal},
        {0, layout::menuValue(0), Difficulty::Hard},
        {KEY_LEFT, kNoClick, Difficulty::Normal},
        {KEY_LEFT, kNoClick, Difficulty::Easy},
        {KEY_LEFT, kNoClick, Difficulty::Easy},
    };
    for (const auto& sample : steps) {
        if (sample.scanCode == 0)
            clickOn(sample.clicked);
        else
            key(sample.scanCode);
        EXPECT_EQ(engine.options.difficulty, sample.now);
    }
    // The pointer rests on Play; Enter plays at the difficulty chosen.
    key(KEY_ENTER);
    ASSERT_NE(loop.session(), nullptr);
    EXPECT_EQ(engine.difficulty, Difficulty::Easy);

    // "Yes" to "Quit Game?" goes back to the title.
    key(KEY_ESC);
    key(KEY_Y);
    EXPECT_TRUE(shows<TitleScreen>(loop));
    EXPECT_EQ(loop.session(), nullptr);

    // How to Play by keys; Escape goes back from any page.
    pointAt(0, 0);
    key(KEY_DOWN);
    key(KEY_ENTER);
    EXPECT_TRUE(shows<HowToPlayScreen>(loop));
    key(KEY_RIGHT);
    key(KEY_ESC);
    EXPECT_TRUE(shows<TitleScreen>(loop));

    // Options by a click: the volume steps by ten, Enter turns the sound
    // off, Escape goes back.
    clickOn(layout::menuLine(TitleScreen::Options));
    ASSERT_TRUE(shows<OptionsScreen>(loop));
    const int volume = engine.startVolume();
    key(KEY_UP); // round from the first line to Back, and back again
    key(KEY_DOWN);
    EXPECT_EQ(static_cast<OptionsScreen*>(loop.current())->menu.chosen, OptionsScreen::Volume);
    key(KEY_RIGHT);
    EXPECT_EQ(engine.options.volume, volume + 10);
    key(KEY_DOWN);
    key(KEY_ENTER);
    EXPECT_TRUE(engine.options.muted);
    key(KEY_ESC);
    EXPECT_TRUE(shows<TitleScreen>(loop));

    // A lost game's "No" goes back to the title too.
    clickOn(layout::menuLabel(TitleScreen::Play));
    ASSERT_NE(loop.session(), nullptr);
    loop.session()->health = 0;
    step();
    key(KEY_N);
    EXPECT_TRUE(shows<TitleScreen>(loop));

    // Escape chooses Quit rather than taking it; Enter takes it.
    EXPECT_TRUE(key(KEY_ESC));
    EXPECT_FALSE(key(KEY_ENTER));
    EXPECT_EQ(loop.current(), nullptr);
}
