#include "SessionFixture.h"

#include "app/GameLoop.h"
#include "defences/Building.h"
#include "effects/Effect.h"
#include "game/TowerType.h"
#include "invaders/Invader.h"
#include "invaders/InvaderKind.h"
#include "invaders/Wave.h"

#include <cmath>
#include <limits>

namespace {

// An effect that counts its updates and its own deletion.
class CountingEffect : public Effect {
  public:
    CountingEffect(double lifetime, int* deletions) : deletions(deletions) {
        this->lifetime = lifetime;
    }
    ~CountingEffect() override { ++*deletions; }
    void draw(BITMAP*) override { ++draws; }

    int* deletions;
    int draws = 0;
};

void emptyWave(Wave* wave) {
    for (Invader* invader : wave->invaders)
        delete invader;
    wave->invaders.clear();
}

} // namespace

TEST_F(SessionTest, StartsFromTheSettings) {
    EXPECT_EQ(screen->next, Screen::Next::Stay);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
    EXPECT_EQ(session->health, 20);
    EXPECT_EQ(session->maxHealth, 20);
    EXPECT_EQ(session->money, 100);
    EXPECT_EQ(session->waveNumber, 1);
    EXPECT_EQ(session->wave, nullptr);
    EXPECT_DOUBLE_EQ(session->waveTimer, 5.0);
    ASSERT_EQ(session->clouds.size(), 17u);
    // The slow far layer first, so the near clouds are drawn over it.
    EXPECT_EQ(session->clouds.front().speed, 0.5);
    EXPECT_EQ(session->clouds.back().speed, 2.5);
    for (const Cloud& cloud : session->clouds) {
        EXPECT_GE(cloud.y, 45);
        EXPECT_LT(cloud.y, 60);
        EXPECT_EQ(cloud.x, std::floor(cloud.x));
    }
}

TEST_F(SessionTest, TheFirstWaveStartsInTheFrameThatReachesTheCountdown) {
    int frames = 0;
    while (!session->wave) {
        const double left = session->waveTimer;
        session->update(0.02);
        ++frames;
        if (session->wave)
            EXPECT_LE(left, 0.02);
        else
            EXPECT_GT(left, 0.02);
    }
    EXPECT_GE(frames, 250);
    EXPECT_LE(frames, 251);
    EXPECT_EQ(session->waveTimer, -1.0); // nothing of the frame carried over
    EXPECT_EQ(session->wave->invaders.size(), 16u);
    EXPECT_EQ(session->effects.size(), 1u); // the announcement
}

TEST_F(SessionTest, AnEmptyWaveEndsAndTheCountdownIsReadAnew) {
    session->waveTimer = 0.0;
    session->update(0.0);
    ASSERT_NE(session->wave, nullptr);
    EXPECT_EQ(session->waveNumber, 1);

    // While any invader is left, nothing changes however long it takes.
    session->update(1000.0);
    ASSERT_NE(session->wave, nullptr);

    engine.settings.set("TimeBetweenWaves", "7.5");
    emptyWave(session->wave);
    session->update(0.01);
    EXPECT_EQ(session->wave, nullptr);
    EXPECT_EQ(session->waveNumber, 2);
    EXPECT_DOUBLE_EQ(session->waveTimer, 7.5);
    engine.settings.set("TimeBetweenWaves", "5");

    session->waveTimer = 0.0;
    session->update(0.0);
    ASSERT_NE(session->wave, nullptr);
    EXPECT_EQ(session->wave->invaders.size(), 18u);

    // A wait below nothing must not pass for the mark of a wave that is on.
    engine.settings.set("TimeBetweenWaves", "-1");
    emptyWave(session->wave);
    session->update(0.01);
    session->update(0.01);
    EXPECT_NE(session->wave, nullptr);
    engine.settings.set("TimeBetweenWaves", "5");
}

TEST_F(SessionTest, RunningOutOfHealthEndsTheGameAndFreezesWhatItShould) {
    screen->placingType = 0;
    engine.mouseX = 100;
    screen->placeBuilding();
    Building* tower = session->buildings.front();

    session->health = -1; // two escapes in one frame from 1
    screen->step(0.1, false);
    EXPECT_TRUE(session->gameOver);
    EXPECT_EQ(session->health, 0);
    EXPECT_EQ(screen->mode, PlayfieldScreen::QuitDialog);

    const double timer = session->waveTimer;
    const float towerTimer = tower->timer;
    const double cloudX = session->clouds.front().x;
    session->update(0.5);
    EXPECT_EQ(session->waveTimer, timer);
    EXPECT_EQ(tower->timer, towerTimer);
    EXPECT_LT(session->clouds.front().x, cloudX);
}

TEST_F(SessionTest, NoHealthAtAllEndsTheGameBeforeTheFirstDraw) {
    session->health = session->maxHealth = 0;
    session->update(0.0);
    EXPECT_TRUE(session->gameOver);
    screen->draw(); // the health bar, which divides by maxHealth, is not drawn
}

TEST_F(SessionTest, CloudsWrapOnceTheirWholeImageHasLeft) {
    session->clouds = {{-39.0, 50.0, 1.0, 1}}; // image 1 is 16 wide in the test data
    session->clouds[0].x = -15.5;
    session->update(0.5);
    EXPECT_DOUBLE_EQ(session->clouds[0].x, -16.0);
    session->update(0.25);
    EXPECT_DOUBLE_EQ(session->clouds[0].x, 320.0);
}

TEST_F(SessionTest, EffectsExpireInTheStepTheirAgeReachesTheirLifetime) {
    int deletions = 0;
    auto* quick = new CountingEffect(0.0, &deletions);
    auto* second = new CountingEffect(1.0, &deletions);
    auto* notANumber = new CountingEffect(std::numeric_limits<double>::quiet_NaN(), &deletions);
    session->effects = {quick, second, notANumber};
    session->update(0.0);
    EXPECT_EQ(deletions, 2);
    ASSERT_EQ(session->effects.size(), 1u);
    for (int step = 0; step < 3; ++step)
        session->update(0.25);
    EXPECT_EQ(session->effects.size(), 1u);
    session->update(0.25);
    EXPECT_EQ(deletions, 3);
    EXPECT_TRUE(session->effects.empty());
}

TEST_F(SessionTest, FootprintsThatTouchDoNotFit) {
    // Laser frames are 16 wide with a 16-wide footprint: a tower set at x
    // covers [x, x + 16].
    screen->placingType = 0;
    engine.mouseX = 108; // sprite at 100, footprint [100, 116]
    ASSERT_TRUE(screen->placementFits());
    screen->placeBuilding();
    ASSERT_EQ(session->buildings.front()->x, 100);

    for (int mouseX : {124, 92, 108, 110})
        EXPECT_FALSE((engine.mouseX = mouseX, screen->placementFits())) << mouseX;
    for (int mouseX : {125, 91, 40, 300})
        EXPECT_TRUE((engine.mouseX = mouseX, screen->placementFits())) << mouseX;

    // A wider footprint that swallows the tower whole.
    engine.towerDefs[2].width = 40;
    screen->placingType = 2;
    engine.mouseX = 108;
    EXPECT_FALSE(screen->placementFits());
    engine.towerDefs[2].width = testCatalogue::kTowerFootprint;
}

TEST_F(SessionTest, PlacingChargesAndSellingRefundsHalf) {
    session->money = 2 * testCatalogue::kTowerValues[0];
    screen->mode = PlayfieldScreen::Placing;
    screen->placingType = 0;
    engine.mouseX = 50;
    screen->placeBuilding();
    EXPECT_EQ(session->money, testCatalogue::kTowerValues[0]);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Placing);
    engine.mouseX = 150;
    screen->placeBuilding();
    EXPECT_EQ(session->money, 0);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);

    screen->selectedBuilding = session->buildings.front();
    screen->mode = PlayfieldScreen::BuildingSelected;
    screen->demolishSelected();
    EXPECT_EQ(session->money, testCatalogue::kTowerValues[0] / 2);
    EXPECT_EQ(session->buildings.size(), 1u);
    EXPECT_EQ(screen->selectedBuilding, nullptr);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
    EXPECT_EQ(session->effects.size(), 1u); // the refund floats up
}

TEST_F(SessionTest, OnlyTheTablesTypesAndKindsCanBeMade) {
    for (int type = 0; type < towerTypeCount(); ++type) {
        Building* building = makeBuilding(type);
        ASSERT_NE(building, nullptr);
        EXPECT_EQ(building->type, type);
        delete building;
    }
    EXPECT_EQ(makeBuilding(-1), nullptr);
    EXPECT_EQ(makeBuilding(towerTypeCount()), nullptr);

    for (int kind = 0; kind < invaderKindCount(); ++kind) {
        Invader* invader = makeInvader(kind, 1);
        ASSERT_NE(invader, nullptr);
        EXPECT_EQ(invader->kind, kind);
        delete invader;
    }
    EXPECT_EQ(makeInvader(-1, 1), nullptr);
    EXPECT_EQ(makeInvader(invaderKindCount(), 1), nullptr);
}

TEST_F(SessionTest, TheDestructorDeletesWhatTheListsStillHold) {
    int deletions = 0;
    session->effects.push_back(new CountingEffect(10.0, &deletions));
    session->waveTimer = 0.0;
    session->update(0.0);
    ASSERT_NE(session->wave, nullptr);
    delete screen;
    screen = nullptr;
    delete session; // the wave and its invaders go too; the sanitizer build checks
    session = nullptr;
    EXPECT_EQ(deletions, 1);
}

// P stops the whole game, Tab and all, until P again; the quit dialog stops
// it while open. The frames go on meanwhile, so resuming takes up from the
// frame before, with no jump for the time that stood still.
TEST_F(SessionTest, NothingMovesWhilePausedAndResumingShowsNoJump) {
    const double cloudX = session->clouds.front().x;
    const double countdown = session->waveTimer;
    const auto standsStill = [&](const char* why) {
        EXPECT_EQ(session->clouds.front().x, cloudX) << why;
        EXPECT_EQ(session->waveTimer, countdown) << why;
    };
    platform.press(KEY_P);
    frame(0.0);
    for (int second = 0; second < 5; ++second)
        frame(1.0, true);
    standsStill("paused");
    platform.press(KEY_ESC);
    frame(1.0);
    platform.press(KEY_ESC);
    frame(1.0);
    standsStill("the dialog closed over the pause");
    EXPECT_TRUE(screen->paused);

    // The frame that takes the key still stands; the one after moves on by
    // its own time only.
    platform.press(KEY_PAUSE);
    frame(1.0);
    frame(0.02);
    EXPECT_DOUBLE_EQ(session->waveTimer, countdown - 0.02);

    platform.press(KEY_ESC);
    frame(0.0);
    frame(1.0);
    EXPECT_DOUBLE_EQ(session->waveTimer, countdown - 0.02) << "the quit dialog pauses";

    // A lost game goes on behind its dialog, and P cannot stop it.
    platform.press(KEY_ESC);
    frame(0.0);
    session->health = 0;
    frame(0.0);
    ASSERT_TRUE(session->gameOver);
    platform.press(KEY_P);
    frame(1.0);
    EXPECT_FALSE(screen->isPaused());
    EXPECT_LT(session->clouds.front().x, cloudX);
}

namespace {

// Records as a test reads them: a best to start from, and every keep.
class KeptRecords : public Records {
  public:
    int bestWaves() const override { return best; }
    void keep(int waves) override { kept.push_back(waves); }
    int best = 0;
    std::vector<int> kept;
};

// Closes the window, as the close button does, once the game has run some
// frames.
class ClosingPlatform : public FakePlatform {
  public:
    bool keyPressed() override {
        if (++frames == 3)
            onCloseButton();
        return FakePlatform::keyPressed();
    }
    int frames = 0;
};

} // namespace

// The game reads its best when it starts and keeps its waves when it is lost
// and when it is closed; the game-over screen marks a new best.
TEST_F(SessionTest, TheRecordIsReadAtTheStartAndKeptWhenLostAndWhenClosed) {
    KeptRecords records;
    records.best = 4;
    engine.records = &records;
    ClosingPlatform closing;
    engine.platform = &closing;
    {
        GameLoop loop(engine, GameLoop::Quit::Ends);
        EXPECT_EQ(loop.session()->bestBefore, 4);
        while (loop.frame(engine.waitForFrame())) {
        }
    }
    EXPECT_EQ(records.kept, std::vector<int>{0});
    engine.closeRequested = false;
    engine.platform = &platform;

    // Three waves defeated: a new best over 2, not over 3. "New Best!" is in
    // the main font, "Best: 3" in the small one.
    for (const int best : {2, 3}) {
        records.kept.clear();
        delete screen;
        session->gameOver = false;
        screen = new PlayfieldScreen(*session);
        session->bestBefore = best;
        session->waveNumber = 4;
        session->health = 0;
        frame();
        EXPECT_EQ(records.kept, std::vector<int>{3});
        const Rgb ink = best < 3 ? testCatalogue::kMainInk : testCatalogue::kSmallInk;
        EXPECT_EQ(pixel(160, layout::kGameOverBestY), colour(ink)) << best;
    }
}

// Each game is a new session of the loop's: a lost game's "Play Again?"
// answered yes starts the next one, a quit ends the loop, and where nothing
// can be closed (a page) a quit starts a new game too. Every game's waves
// are kept as it ends.
TEST_F(SessionTest, TheLoopPlaysAgainOrEndsAsThePlayerAnswers) {
    using Quit = GameLoop::Quit;
    constexpr int kClickYes = 0;
    const struct {
        bool lost;
        int answer;
        Quit quit;
        bool another;
    } cases[] = {
        {true, KEY_Y, Quit::Ends, true},
        {true, KEY_N, Quit::Ends, false},
        {false, kClickYes, Quit::Ends, false},
        {true, KEY_N, Quit::StartsANewGame, true},
        {false, kClickYes, Quit::StartsANewGame, true},
    };
    KeptRecords records;
    engine.records = &records;
    for (const auto& sample : cases) {
        SCOPED_TRACE(std::to_string(sample.lost) + " " + std::to_string(sample.answer));
        GameLoop loop(engine, sample.quit);
        const auto frame = [&] { return loop.frame(engine.waitForFrame()); };
        loop.session()->waveNumber = 3;
        loop.session()->money = 1;
        if (sample.lost)
            loop.session()->health = 0;
        else
            platform.press(KEY_ESC);
        ASSERT_TRUE(frame());
        ASSERT_EQ(loop.screen()->mode, PlayfieldScreen::QuitDialog);
        if (sample.answer == kClickYes) {
            pointAt(layout::kYesAnswer.centreX(), layout::kYesAnswer.centreY());
            platform.buttons = 1;
            ASSERT_TRUE(frame());
            platform.buttons = 0;
        } else {
            platform.press(sample.answer);
        }

        EXPECT_EQ(frame(), sample.another);
        EXPECT_EQ(records.kept.back(), 2);
        if (sample.another) {
            ASSERT_NE(loop.session(), nullptr);
            EXPECT_EQ(loop.screen()->next, Screen::Next::Stay);
            EXPECT_EQ(loop.session()->waveNumber, 1);
            EXPECT_EQ(loop.session()->money, engine.settings.getInt("StartingMoney"));
        } else {
            EXPECT_EQ(loop.session(), nullptr);
        }
    }
}
