#include "SessionFixture.h"

#include "defences/Building.h"
#include "defences/LaserProjectile.h"
#include "defences/TeslaCoil.h"
#include "effects/Effect.h"
#include "effects/TextEffect.h"
#include "game/Menu.h"
#include "game/TowerType.h"

namespace {

using namespace testCatalogue;

// Where the build button of a tower type stands, and where the menu's name
// and price end: left of the last button, however many the table has.
int slotX(int type) {
    return layout::buildButton(type, kButtonSpacing).x;
}
int menuTextRight() {
    return 317 - towerTypeCount() * kButtonSpacing;
}

int slotColour(int cell) {
    return makecol(kSlotColours[cell].r, kSlotColours[cell].g, kSlotColours[cell].b);
}

// An effect that covers the whole playfield in a colour of its own.
class Curtain : public Effect {
  public:
    Curtain() { lifetime = 10.0; }
    void draw(BITMAP* bitmap) override { clear_to_color(bitmap, makecol(1, 2, 3)); }
};

} // namespace

TEST_F(SessionTest, MoneyExactlyAtThePriceBuysTheLastTower) {
    session->money = kTowerValues[1]; // the laser and, just, the missile turret
    pointAt(100, 100);
    frame();
    for (int type : {0, 1}) {
        EXPECT_EQ(pixel(slotX(type), 220), slotColour(0)) << type;
        EXPECT_EQ(pixel(slotX(type) + 5, 225), colour(iconColour(type, false))) << type;
    }
    EXPECT_EQ(pixel(slotX(2), 220), slotColour(2));
    EXPECT_EQ(pixel(slotX(2) + 5, 225), colour(iconColour(2, true)));

    pointAt(285, 230);
    frame();
    EXPECT_EQ(pixel(menuTextRight() - 2, 229), colour(kMainInk)); // the price, not in red
    click(285, 230);
    ASSERT_EQ(screen->mode, PlayfieldScreen::Placing);
    EXPECT_EQ(screen->placingType, 1);
    click(100, 150);
    EXPECT_EQ(session->buildings.size(), 1u);
    EXPECT_EQ(session->money, 0);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
}

TEST_F(SessionTest, ABuildButtonAnswersUpToAndIncludingItsEdges) {
    // Button 0 covers x 300 to 319, button 1 x 280 to 299, both y 220 to 239.
    const int corners[][3] = {{300, 220, 0}, {319, 239, 0}, {299, 239, 1}, {280, 220, 1}};
    for (const auto& [x, y, type] : corners) {
        screen->mode = PlayfieldScreen::Idle;
        click(x, y);
        EXPECT_EQ(screen->mode, PlayfieldScreen::Placing) << x << ", " << y;
        EXPECT_EQ(screen->placingType, type) << x << ", " << y;
    }
}

TEST_F(SessionTest, HoveringAndHoldingChangeTheButtonsLook) {
    pointAt(310, 230);
    frame();
    EXPECT_EQ(pixel(300, 220), slotColour(1));
    EXPECT_EQ(pixel(317, 237), colour(kBackground));
    // The name and price end left of the last button, the last kerning
    // pixel included.
    EXPECT_EQ(pixel(menuTextRight() - 2, 220), colour(kMainInk));
    EXPECT_EQ(pixel(menuTextRight() - 2, 229), colour(kMainInk));
    EXPECT_EQ(pixel(menuTextRight() + 1, 220), colour(kBackground));

    platform.buttons = 1;
    frame();
    EXPECT_EQ(pixel(300, 220), slotColour(3));
    EXPECT_EQ(pixel(slotX(1), 220), slotColour(0));           // only the button under the pointer
    EXPECT_EQ(pixel(317, 237), colour(iconColour(0, false))); // one pixel lower and right
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);           // chosen on release only
}

TEST_F(SessionTest, AnUnaffordableOrUnavailableTowerSaysWhyInRed) {
    session->money = 50;
    pointAt(slotX(2) + 2, 225); // the tesla coil's button
    frame();
    EXPECT_EQ(pixel(menuTextRight() - 2, 229), colour(kMainRedInk));

    engine.towerDefs[1].available = false;
    session->money = 1000;
    pointAt(slotX(1) + 2, 225);
    frame();
    EXPECT_EQ(pixel(slotX(1), 220), slotColour(2));
    EXPECT_EQ(pixel(menuTextRight() - 2, 229), colour(kMainRedInk)); // "Not Available"
    click(slotX(1) + 2, 225);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
    engine.towerDefs[1].available = true;
}

TEST_F(SessionTest, TheStatusDisplayShowsHealthAndMoney) {
    session->health = 7;
    frame();
    EXPECT_EQ(pixel(2, 220), colour(kMainInk));      // the health symbol
    EXPECT_EQ(pixel(11, 220), colour(kHealthFrame)); // the bar's frame
    EXPECT_EQ(pixel(12 + 16, 222), colour(kHealthFill));
    EXPECT_EQ(pixel(12 + 17, 222), colour(kBackground)); // 7 * 50 / 20 = 17 pixels
    expectTextBox(34, 221, 36, kSmallInk);               // "7" centred on x 36
    expectTextBox(2, 229, 20, kMainInk);                 // "$ 100"
}

TEST_F(SessionTest, BoltsPassBehindTowersAndEffectsUnderTheStatusAndButtons) {
    screen->placingType = 0;
    engine.mouseX = 100; // the laser's sprite covers 92 to 107, 194 to 213
    screen->placeBuilding();
    session->projectiles.push_back(new LaserProjectile(100, 200, 5));
    frame(0.0);
    EXPECT_EQ(pixel(100, 200), colour(towerColour(0, 0)));

    session->effects.push_back(new Curtain);
    frame(0.0);
    EXPECT_EQ(pixel(100, 100), makecol(1, 2, 3));
    EXPECT_EQ(pixel(2, 229), colour(kMainInk));
    EXPECT_EQ(pixel(300, 220), slotColour(0));
}

TEST_F(SessionTest, TheQuitDialogLightsTheAnswerUnderThePointer) {
    platform.press(KEY_ESC);
    pointAt(150, 112);
    frame();
    ASSERT_EQ(screen->mode, PlayfieldScreen::QuitDialog);
    // "Quit Game?" in the small font, "Yes" and "No" 12 and 8 pixels wide.
    EXPECT_EQ(pixel(160, 90), colour(kSmallInk));
    EXPECT_EQ(pixel(154, 110), colour(kMainRedInk));
    EXPECT_EQ(pixel(156, 120), colour(kMainInk));
    EXPECT_EQ(pixel(300, 220), colour(kBackground)); // no buttons in the dialog

    click(150, 122);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
    EXPECT_EQ(screen->next, Screen::Next::Stay);
    platform.press(KEY_ESC);
    frame();
    click(179, 118); // the edge of "Yes"
    EXPECT_EQ(screen->next, Screen::Next::Quit);
}

TEST_F(SessionTest, GameOverGreysThePlayfieldUnderAColouredCaption) {
    session->clouds.clear(); // they drift through the caption's rows wherever rand puts them
    session->waveNumber = 4;
    session->health = 0;
    frame();
    ASSERT_TRUE(session->gameOver);
    const int grey = 18; // 0.30 * 10 + 0.59 * 20 + 0.11 * 30
    EXPECT_EQ(pixel(5, 150), makecol(grey, grey, grey));
    EXPECT_EQ(pixel(5, 200), makecol(grey, grey, grey));
    // "Game Over" is 9 glyphs of 3 + 1: a 38-pixel caption doubled, from 122.
    EXPECT_EQ(pixel(122, 50), colour(kMainRedInk));
    EXPECT_EQ(pixel(121, 50), plateColour());
    EXPECT_EQ(pixel(125, 59), colour(kMainRedInk));
    EXPECT_EQ(pixel(160, 74), colour(kSmallRedInk)); // "Waves Defeated: 3"
    EXPECT_EQ(pixel(154, 110), colour(kMainInk));    // the dialog opened by itself
    // All of it on a panel that reads over anything.
    EXPECT_EQ(pixel(layout::kGameOverPanel.x + 1, layout::kGameOverPanel.y + 1), plateColour());

    // Escape leaves "Play Again?" open: it is the only question left. A
    // click on the strip's empty buttons does nothing.
    platform.press(KEY_ESC);
    frame();
    EXPECT_EQ(screen->mode, PlayfieldScreen::QuitDialog);
    EXPECT_EQ(pixel(154, 110), colour(kMainInk));
    click(310, 230);
    EXPECT_EQ(screen->mode, PlayfieldScreen::QuitDialog);
    EXPECT_EQ(screen->next, Screen::Next::Stay);
}

TEST_F(SessionTest, PlacingFollowsThePointerAndShowsABlockedPlace) {
    click(310, 230);
    ASSERT_EQ(screen->mode, PlayfieldScreen::Placing);
    EXPECT_EQ(screen->placingType, 0);
    pointAt(100, 150);
    frame();
    // The tower stands on the ground line centred under the pointer.
    EXPECT_EQ(pixel(92, 194), colour(towerColour(0, 0)));
    EXPECT_EQ(pixel(107, 213), colour(towerColour(0, 0)));
    EXPECT_EQ(pixel(91, 194), colour(kBackground));
    EXPECT_EQ(pixel(92, 214), colour(kBackground));
    EXPECT_EQ(pixel(300, 220), slotColour(1));
    // "Placing Laser - $25" ends at 297 with its kerning.
    EXPECT_EQ(pixel(295, 220), colour(kMainInk));

    click(100, 150);
    ASSERT_EQ(session->buildings.size(), 1u);
    EXPECT_EQ(session->money, 75);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Placing);

    pointAt(110, 150);
    frame();
    EXPECT_EQ(pixel(102, 194), colour(towerColour(0, 1))); // the blocked look
    click(110, 150);
    EXPECT_EQ(session->buildings.size(), 1u);

    // A finger has no right button: the hint under the panel names another.
    const auto hintLine = [&] {
        std::vector<int> line;
        for (int y = 230; y < 238; ++y)
            for (int x = 160; x < 320; ++x)
                line.push_back(pixel(x, y));
        return line;
    };
    const std::vector<int> byMouse = hintLine();
    platform.touch = true;
    frame();
    EXPECT_NE(hintLine(), byMouse);
    platform.touch = false;

    press(200, 150, 2);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Placing); // a right click acts on release
    release();
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
}

TEST_F(SessionTest, RunningShortOfMoneyLeavesPlacing) {
    click(310, 230);
    ASSERT_EQ(screen->mode, PlayfieldScreen::Placing);
    session->money = 10;
    frame();
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
}

TEST_F(SessionTest, EscapeDropsTheTowerBeingPlaced) {
    click(310, 230);
    platform.press(KEY_ESC);
    frame();
    EXPECT_EQ(screen->mode, PlayfieldScreen::QuitDialog);
    platform.press(KEY_ESC);
    frame();
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
}

TEST_F(SessionTest, ATowerIsSelectedMarkedAndDemolished) {
    screen->placingType = 2;
    engine.mouseX = 100; // the tesla coil's 24-wide sprite starts at 88
    screen->placeBuilding();
    screen->placingType = 0;
    engine.mouseX = 200;
    screen->placeBuilding();
    const int moneyBefore = session->money;

    click(95, 200);
    ASSERT_EQ(screen->mode, PlayfieldScreen::BuildingSelected);
    ASSERT_EQ(screen->selectedBuilding, session->buildings.front());
    // The 24 x 24 selector centred on the coil's resting frame.
    EXPECT_EQ(pixel(88, 192), colour(kSelector));
    EXPECT_EQ(pixel(305, 225), colour(kDemolishIcon));

    click(205, 200); // another tower takes the selection
    EXPECT_EQ(screen->selectedBuilding, session->buildings.back());
    press(20, 150);
    EXPECT_EQ(pixel(300, 220), slotColour(0)); // held away from the button: not pressed
    release();                                 // empty ground keeps the selection
    EXPECT_EQ(screen->mode, PlayfieldScreen::BuildingSelected);

    pointAt(310, 230);
    frame();
    EXPECT_EQ(pixel(300, 220), slotColour(1));
    EXPECT_EQ(pixel(295, 229), colour(kMainInk)); // "+$12"
    click(310, 230);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
    ASSERT_EQ(session->buildings.size(), 1u);
    EXPECT_EQ(session->buildings.front()->type, 2);
    EXPECT_EQ(session->money, moneyBefore + kTowerValues[0] / 2);

    click(95, 200);
    click(20, 150, 2);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
}

TEST_F(SessionTest, TheDebugOverlayCountsWhatIsLeftAndItsClockMoves) {
    // Ten of each, one of which goes in this frame's removals.
    for (int i = 0; i < 10; ++i) {
        session->projectiles.push_back(new LaserProjectile(200, 100, 5));
        session->effects.push_back(new TextEffect(200, 100, engine.fontSmall, "+5"));
    }
    session->projectiles.front()->alive = false;
    session->effects.front()->age = session->effects.front()->lifetime;
    session->debugOverlay = true;
    frame(0.0);
    expectTextBox(2, 2, 44, kSmallInk);  // "Time: 100.0"
    expectTextBox(2, 10, 56, kSmallInk); // "Projectiles: 9"
    expectTextBox(2, 18, 40, kSmallInk); // "Effects: 9"

    platform.time = 1000.0;
    frame(0.0);
    expectTextBox(2, 2, 48, kSmallInk); // "Time: 1000.0"
}

TEST_F(SessionTest, KeysActOneAFrame) {
    platform.press(KEY_D);
    platform.press(KEY_D);
    frame();
    EXPECT_TRUE(session->debugOverlay);
    EXPECT_EQ(pixel(2, 2), colour(kSmallInk));
    frame();
    EXPECT_FALSE(session->debugOverlay);
    platform.press(KEY_A); // taken and ignored
    frame();
    EXPECT_TRUE(platform.keys.empty());
}

// The selected tower's second button, walked through its whole life: absent
// without upgrade keys; greyed while too dear; bought for its price, which
// raises the tower's damage and rate; used up at the last level; and half of
// everything paid back on sale.
TEST_F(SessionTest, TheUpgradeButtonSellsEachLevelOnceAndTheSaleRefundsHalfOfAll) {
    screen->placingType = 0;
    engine.mouseX = 100;
    screen->placeBuilding();
    Building* tower = session->buildings.back();
    const int upgradeX = 280; // beside the demolish button at 300
    click(100, 200);
    EXPECT_EQ(pixel(upgradeX, 236), colour(kBackground)) << "no levels, no button";

    TowerDef& def = engine.towerDefs[0];
    def.upgrades = 2;
    def.upgradeCost = 30;
    def.upgradeDamage = 4;
    def.upgradeSpeedup = 1.0;
    const int damage = tower->damage;
    const float period = tower->period;
    const struct {
        int money;
        int levelAfter;
        int moneyAfter;
        int slot; // before the click: 1 lit under the pointer, 2 greyed
    } steps[] = {{29, 0, 29, 2}, {100, 1, 70, 1}, {70, 2, 10, 1}, {1000, 2, 1000, 2}};
    for (const auto& step : steps) {
        SCOPED_TRACE("with $" + std::to_string(step.money));
        session->money = step.money;
        frame(0.0);
        EXPECT_EQ(pixel(upgradeX, 220), slotColour(step.slot));
        click(upgradeX + 9, 229);
        EXPECT_EQ(tower->level, step.levelAfter);
        EXPECT_EQ(session->money, step.moneyAfter);
    }
    EXPECT_EQ(tower->damage, damage + 2 * def.upgradeDamage);
    EXPECT_FLOAT_EQ(tower->period, period / 4);
    // Two levels, two pips under the tower's middle at x 100, a pixel apart,
    // below the selector.
    const int pip = colour(upgradeIconColour(4));
    EXPECT_EQ(pixel(95, 217), pip);
    EXPECT_EQ(pixel(103, 218), pip);
    EXPECT_EQ(pixel(99, 217), colour(kBackground));
    EXPECT_EQ(pixel(104, 217), colour(kBackground));

    session->money = 0;
    click(300 + 9, 229);
    EXPECT_EQ(session->money, (kTowerValues[0] + 30 + 60) / 2);
}

// The keys act as the clicks they stand for, under the same rules, and not
// while the game stands still.
TEST_F(SessionTest, KeysChooseUpgradeAndDemolishAsTheirButtonsDo) {
    session->money = 1000;
    engine.towerDefs[0].upgrades = 1;
    engine.towerDefs[0].upgradeCost = 100;
    const auto key = [this](int scanCode) {
        platform.press(scanCode);
        frame(0.0);
    };
    key(KEY_1);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Placing);
    key(KEY_3);
    EXPECT_EQ(screen->placingType, 2) << "switched while placing";
    key(KEY_1);
    click(100, 150);
    click(200, 150, 2);
    click(100, 200);
    ASSERT_EQ(screen->mode, PlayfieldScreen::BuildingSelected);
    key(KEY_U);
    EXPECT_EQ(session->buildings.front()->level, 1);
    EXPECT_EQ(session->money, 1000 - kTowerValues[0] - 100);
    key(KEY_DEL);
    EXPECT_TRUE(session->buildings.empty());

    // Out of money, unavailable, paused: nothing is chosen.
    session->money = 0;
    key(KEY_1);
    session->money = 1000;
    engine.towerDefs[1].available = false;
    key(KEY_2);
    screen->paused = true;
    key(KEY_1);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
    engine.towerDefs[1].available = true;
    engine.towerDefs[0].upgrades = 0;

    // With a tower selected, a type's key drops it for the new tower.
    screen->paused = false;
    click(100, 150);
    click(100, 200);
    key(KEY_2);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Placing);
    EXPECT_EQ(screen->selectedBuilding, nullptr);
}

// The strip under the ground holds the status display and the buttons: a
// click there never sets a tower down, and one on the button that shows the
// chosen tower puts it back, as a right click does.
TEST_F(SessionTest, TheStripNeverTakesATowerAndItsButtonPutsTheChoiceBack) {
    click(310, 230);
    click(100, 225);
    click(200, 239);
    EXPECT_TRUE(session->buildings.empty());
    EXPECT_EQ(screen->mode, PlayfieldScreen::Placing);
    click(100, layout::kStripTop - 1);
    EXPECT_EQ(session->buildings.size(), 1u);
    click(310, 230);
    EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
    EXPECT_EQ(session->buildings.size(), 1u);
}

// Once the game is lost the dialog asks to play again: yes plays again, no
// quits. During play it asks to quit, and the same keys and clicks answer.
TEST_F(SessionTest, TheLostGamesDialogPlaysAgainOrQuitsByKeyOrClick) {
    constexpr int kNoKey = 0;
    const struct {
        bool lost;
        int key;
        const layout::Rect* clicked;
        Screen::Next next;
    } answers[] = {
        {true, KEY_ENTER, nullptr, Screen::Next::Play},
        {true, KEY_ENTER_PAD, nullptr, Screen::Next::Play},
        {true, KEY_Y, nullptr, Screen::Next::Play},
        {true, kNoKey, &layout::kYesAnswer, Screen::Next::Play},
        {true, KEY_N, nullptr, Screen::Next::Quit},
        {true, kNoKey, &layout::kNoAnswer, Screen::Next::Quit},
        {false, KEY_ENTER, nullptr, Screen::Next::Quit},
        {false, KEY_Y, nullptr, Screen::Next::Quit},
        {false, KEY_N, nullptr, Screen::Next::Stay},
        {false, kNoKey, &layout::kYesAnswer, Screen::Next::Quit},
        {false, kNoKey, &layout::kNoAnswer, Screen::Next::Stay},
    };
    for (const auto& answer : answers) {
        SCOPED_TRACE(std::to_string(answer.lost) + " " + std::to_string(answer.key));
        TearDown();
        SetUp();
        if (answer.lost)
            session->health = 0;
        else
            platform.press(KEY_ESC);
        frame();
        ASSERT_EQ(screen->mode, PlayfieldScreen::QuitDialog);
        if (answer.key != kNoKey)
            platform.press(answer.key);
        if (answer.clicked)
            click(answer.clicked->centreX(), answer.clicked->centreY());
        frame();
        EXPECT_EQ(screen->next, answer.next);
        if (answer.next == Screen::Next::Stay) {
            EXPECT_EQ(screen->mode, PlayfieldScreen::Idle);
        }
    }
}

// What the screen shows besides the battle: the wave and the best in the
// strip, the fast-forward mark, the pause caption on its panel, and a
// selected tower's figures and range.
TEST_F(SessionTest, TheScreenShowsTheWaveTheBestTheSpeedThePauseAndATowersReach) {
    const int plate = makecol(0x1d, 0x2b, 0x53);
    session->bestBefore = 12;
    frame(0.0);
    // "Wave 1" and "Best 12", 6 and 7 glyphs of 3 + 1, one over the other.
    expectTextBox(layout::kReadoutLeft, layout::kWaveReadoutY, layout::kReadoutLeft + 22, kMainInk);
    expectTextBox(layout::kReadoutLeft, layout::kBestReadoutY, layout::kReadoutLeft + 26, kMainInk);

    const int mark = colour(upgradeIconColour(5));
    EXPECT_NE(pixel(layout::kFastForwardMark.x, layout::kFastForwardMark.y), mark);
    frame(0.016, true);
    EXPECT_EQ(pixel(layout::kFastForwardMark.x, layout::kFastForwardMark.y), mark);

    // "Paused" doubled: 26 pixels of text image, 52 wide, centred.
    screen->paused = true;
    frame(0.016, true);
    EXPECT_NE(pixel(layout::kFastForwardMark.x, layout::kFastForwardMark.y), mark);
    EXPECT_EQ(pixel(136, layout::kPausedCaptionY), colour(kMainInk));
    EXPECT_EQ(pixel(133, layout::kPausedCaptionY), plate);
    screen->paused = false;

    // A coil's figures where the buttons' texts go, and its ring: centred on
    // its emitter, 8 pixels over the middle of its 20-pixel frame.
    screen->placingType = 2;
    engine.mouseX = 100;
    screen->placeBuilding();
    static_cast<TeslaCoil*>(session->buildings.back())->range = 40;
    click(100, 200);
    pointAt(20, 20);
    frame(0.0);
    EXPECT_EQ(pixel(100, 214 - 10 - 8 - 40), makecol(0xff, 0xf1, 0xe8));
    EXPECT_EQ(pixel(100, 214 - 10 - 8 - 40 + 1), plate);
    expectTextBox(317 - 20 - 4 * 15, 220, 317 - 20 - 2, kMainInk); // "Tesla, range 40"
    EXPECT_EQ(pixel(317 - 20 - 2, 229), colour(kMainInk));         // damage and rate
}
