#include "SessionFixture.h"

#include "app/Records.h"
#include "app/Storage.h"
#include "effects/BannerEffect.h"
#include "game/HowToPlayScreen.h"
#include "game/Meetings.h"
#include "game/TowerType.h"
#include "gfx/SpritePlayer.h"
#include "invaders/Invader.h"
#include "invaders/InvaderKind.h"
#include "invaders/SquibbleWave.h"

#include <algorithm>
#include <map>

namespace {

using namespace testCatalogue;

// The kinds met, kept in memory for as long as the test.
class MemoryRecords : public Records {
  public:
    std::optional<std::string> readMeetings() override { return meetings; }
    void writeMeetings(const std::string& bytes) override { meetings = bytes; }
    std::optional<std::string> meetings;
};

int banners(const GameSession& session) {
    return static_cast<int>(
        std::count_if(session.effects.begin(), session.effects.end(), [](const Effect* effect) {
            return dynamic_cast<const BannerEffect*>(effect);
        }));
}

} // namespace

// A kind is named in a banner the first time it comes into sight in each
// game; its card holds the first game a player meets it in, once for each set
// of settings, where the screen introduces kinds at all, and any key puts it
// away.
TEST_F(SessionTest, AKindIsNamedOncePerGameAndCardedOncePerPlayer) {
    std::map<std::string, MemoryRecords> settings;
    engine.invaderDefs[0].name = "Squibble";
    engine.invaderDefs[0].blurb = "Marches in the block.";

    const struct {
        bool introduces;
        bool freshPlayer;
        const char* settingsName; // the shipped game's, a mod's, or a file that is no list
        bool carded;
    } games[] = {{true, true, "shipped", true},   {true, false, "shipped", false},
                 {true, false, "mod", true},      {true, false, "mod", false},
                 {false, true, "shipped", false}, {true, false, "damaged", true},
                 {true, false, "damaged", false}};
    settings["damaged"].meetings = "groundline met 1\nInvader1\nInvader99\n";
    for (const auto& game : games) {
        SCOPED_TRACE(testing::Message() << game.introduces << game.freshPlayer << game.settingsName);
        if (game.freshPlayer)
            settings.clear();
        engine.records = &settings[game.settingsName];
        TearDown();
        session = new GameSession;
        session->start();
        screen = new PlayfieldScreen(*session, game.introduces);
        session->waveTimer = -1.0;
        session->wave = new Wave;
        session->wave->game = session;
        Invader* invader = makeInvader(0, 1);
        invader->wave = session->wave;
        session->wave->invaders.push_back(invader);

        // Above the sky it has not come yet.
        invader->y = -invader->player->frameHeight();
        frame();
        EXPECT_EQ(banners(*session), 0);
        invader->y = 50;
        frame();
        EXPECT_EQ(banners(*session), 1);
        EXPECT_EQ(screen->cardKind, game.carded ? 0 : -1);
        EXPECT_EQ(screen->isPaused(), game.carded);
        const int rim = makecol(0xff, 0xf1, 0xe8);
        EXPECT_EQ(pixel(layout::kCard.x, layout::kCard.y) == rim, game.carded);
        if (game.carded) {
            frame();
            EXPECT_EQ(screen->cardKind, 0);
            // Escape puts the card away and opens no dialog.
            platform.press(KEY_ESC);
            frame();
            EXPECT_EQ(screen->cardKind, -1);
            EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
        }
        frame();
        EXPECT_EQ(banners(*session), 1);
    }
    // A list that did not read is written anew; and what another copy of the
    // game met meanwhile stays met.
    MemoryRecords& damaged = settings["damaged"];
    EXPECT_EQ(damaged.meetings, "groundline met 1\nInvader1\n");
    damaged.meetings = "groundline met 1\nInvader2\n";
    Meetings meetings(engine);
    damaged.meetings = "groundline met 1\nInvader3\n";
    meetings.meet(0);
    EXPECT_EQ(damaged.meetings, "groundline met 1\nInvader1\nInvader2\nInvader3\n");
}

// How to Play walks the tables: after the controls, a page for each tower
// and each kind that is in the game and has a blurb, in table order. Right,
// Space and clicks turn on, Left back; past the last page is the title.
TEST_F(SessionTest, HowToPlayHasAPageForEachTowerAndKindWithABlurb) {
    engine.towerDefs[towerTypeCount() - 1].blurb = "Strikes what comes low.";
    engine.invaderDefs[0].name = "Squibble";
    engine.invaderDefs[0].blurb = "Marches in the block.";
    engine.invaderDefs[1].blurb = "Not in this game.";
    HowToPlayScreen howToPlay(engine);
    using Page = HowToPlayScreen::Page;
    ASSERT_EQ(howToPlay.pages.size(), 3u);
    EXPECT_EQ(howToPlay.pages[1].subject, Page::Tower);
    EXPECT_EQ(howToPlay.pages[1].index, towerTypeCount() - 1);
    EXPECT_EQ(howToPlay.pages[2].subject, Page::Invader);
    EXPECT_EQ(howToPlay.pages[2].index, 0);

    const auto update = [&] {
        platform.time += 0.016;
        engine.waitForFrame();
        howToPlay.update(0.016, false);
    };
    const struct {
        int scanCode;
        int button; // held for a frame, then let go
        int page;
    } turns[] = {{KEY_LEFT, 0, 0}, {KEY_RIGHT, 0, 1}, {KEY_LEFT, 0, 0}, {0, 1, 1},
                 {0, 2, 0},        {KEY_SPACE, 0, 1}, {KEY_RIGHT, 0, 2}};
    for (const auto& turn : turns) {
        if (turn.scanCode)
            platform.press(turn.scanCode);
        platform.buttons = turn.button;
        update();
        platform.buttons = 0;
        update();
        EXPECT_EQ(howToPlay.page, turn.page) << turn.scanCode << " " << turn.button;
    }
    // The kind's page: its name in red beside its picture.
    howToPlay.draw();
    EXPECT_EQ(pixel(68, 44), colour(kMainRedInk));
    EXPECT_EQ(pixel(34, 50), colour(invaderColour(0)));
    EXPECT_EQ(howToPlay.next, Screen::Next::Stay);
    platform.press(KEY_RIGHT);
    update();
    EXPECT_EQ(howToPlay.next, Screen::Next::Title);
}

// Nothing of the display but dialogs, cards and banners covers the sky the
// invaders fly in, and no wave of any kind, the divers and the boss among
// them, leaves that sky while it plays to its end.
TEST_F(SessionTest, TheDisplayKeepsOutOfTheSkyThatEveryWaveFliesIn) {
    const layout::Rect sky = layout::kFlightArea;
    std::vector<layout::Rect> display = {layout::kReadout,
                                         layout::kFastForwardMark,
                                         layout::kMutedMark,
                                         {layout::kPanelTextLeft, layout::kStripTop, 1, 1}};
    for (int type = 0; type < towerTypeCount(); ++type)
        display.push_back(layout::buildButton(type, engine.buttonSpacing));
    for (const layout::Rect& part : display) {
        const bool apart = part.x >= sky.x + sky.width || part.x + part.width <= sky.x ||
                           part.y >= sky.y + sky.height || part.y + part.height <= sky.y;
        EXPECT_TRUE(apart) << part.x << ", " << part.y;
    }

    // Every other kind as a squibble that shares the block, dives or leads
    // a boss wave as its row says.
    for (int kind = 1; kind < invaderKindCount(); ++kind) {
        InvaderDef& def = engine.invaderDefs[kind];
        def = engine.invaderDefs[0];
        def.present = true;
        def.firstWave = invaderKinds()[kind].leadsBossWaves ? 0 : 1;
        def.share = 0.2;
        def.speed = 40.0;
        def.longestWait = 2.0;
    }
    engine.settings.set("BossWaveEvery", "2");
    for (int waveNumber : {1, 2}) {
        session->waveNumber = waveNumber;
        session->health = 1000;
        session->waveTimer = 0.0;
        session->update(0.0);
        ASSERT_NE(session->wave, nullptr);
        const Wave* wave = session->wave;
        for (int step = 0; step < 20000 && session->wave == wave; ++step) {
            for (const Invader* invader : wave->invaders) {
                const int left = static_cast<int>(invader->x);
                const int bottom = static_cast<int>(invader->y) + invader->player->frameHeight();
                ASSERT_GE(left, sky.x) << waveNumber;
                ASSERT_LE(left + invader->player->frameWidth(), sky.x + sky.width) << waveNumber;
                ASSERT_LE(bottom, sky.y + sky.height) << waveNumber;
            }
            session->update(0.05);
        }
        EXPECT_NE(session->wave, wave) << "wave " << waveNumber << " never ended";
    }
}

// The strip keeps each build button's key, the muted mark while the sound
// is off, and at the end of a game the health, the money and the wave.
TEST_F(SessionTest, TheStripShowsKeysTheMutedMarkAndStaysAtTheEnd) {
    class MutedSound : public Sound {
      public:
        bool muted() const override { return true; }
    } mutedSound;
    pointAt(100, 100);
    frame(0.0);
    for (int type = 0; type < towerTypeCount(); ++type) // "1", "2", "3" in the corner
        EXPECT_EQ(pixel(layout::buildButton(type, kButtonSpacing).x + 16, 232), colour(kSmallInk))
            << type;
    const auto markShown = [&] {
        for (int y = layout::kMutedMark.y; y < layout::kMutedMark.y + layout::kMutedMark.height;
             ++y)
            for (int x = layout::kMutedMark.x; x < layout::kMutedMark.x + layout::kMutedMark.width;
                 ++x)
                if (pixel(x, y) != colour(kBackground))
                    return true;
        return false;
    };
    EXPECT_FALSE(markShown());
    engine.sound = &mutedSound;
    frame(0.0);
    EXPECT_TRUE(markShown());

    session->health = 0;
    frame();
    ASSERT_TRUE(session->gameOver);
    EXPECT_EQ(pixel(2, 220), colour(kMainInk));                                      // the health
    EXPECT_EQ(pixel(2, 229), colour(kMainInk));                                      // the money
    EXPECT_EQ(pixel(layout::kReadoutLeft, layout::kWaveReadoutY), colour(kMainInk)); // the wave
}
