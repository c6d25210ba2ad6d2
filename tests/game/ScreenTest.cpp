#include "SessionFixture.h"

#include "defences/Building.h"
#include "defences/LaserProjectile.h"
#include "effects/Effect.h"
#include "effects/TextEffect.h"

namespace {

using namespace testCatalogue;

constexpr int kSlotX[3] = {300, 280, 260};

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
        EXPECT_EQ(pixel(kSlotX[type], 220), slotColour(0)) << type;
        EXPECT_EQ(pixel(kSlotX[type] + 5, 225), colour(iconColour(type, false))) << type;
    }
    EXPECT_EQ(pixel(260, 220), slotColour(2));
    EXPECT_EQ(pixel(265, 225), colour(iconColour(2, true)));

    pointAt(285, 230);
    frame();
    EXPECT_EQ(pixel(255, 229), colour(kMainInk)); // the price, not in red
    click(285, 230);
    ASSERT_EQ(session->mode, GameSession::Placing);
    EXPECT_EQ(session->placingType, 1);
    click(100, 150);
    EXPECT_EQ(session->buildings.size(), 1u);
    EXPECT_EQ(session->money, 0);
    EXPECT_EQ(session->mode, GameSession::Idle);
}

TEST_F(SessionTest, ABuildButtonAnswersUpToAndIncludingItsEdges) {
    // Button 0 covers x 300 to 319, button 1 x 280 to 299, both y 220 to 239.
    const int corners[][3] = {{300, 220, 0}, {319, 239, 0}, {299, 239, 1}, {280, 220, 1}};
    for (const auto& [x, y, type] : corners) {
        session->mode = GameSession::Idle;
        click(x, y);
        EXPECT_EQ(session->mode, GameSession::Placing) << x << ", " << y;
        EXPECT_EQ(session->placingType, type) << x << ", " << y;
    }
}

TEST_F(SessionTest, HoveringAndHoldingChangeTheButtonsLook) {
    pointAt(310, 230);
    frame();
    EXPECT_EQ(pixel(300, 220), slotColour(1));
    EXPECT_EQ(pixel(317, 237), colour(kBackground));
    // The name and price end at 317 - 3 * 20, the last kerning pixel included.
    EXPECT_EQ(pixel(255, 220), colour(kMainInk));
    EXPECT_EQ(pixel(255, 229), colour(kMainInk));
    EXPECT_EQ(pixel(258, 220), colour(kBackground));

    platform.buttons = 1;
    frame();
    EXPECT_EQ(pixel(300, 220), slotColour(3));
    EXPECT_EQ(pixel(280, 220), slotColour(0));                // only the button under the pointer
    EXPECT_EQ(pixel(317, 237), colour(iconColour(0, false))); // one pixel lower and right
    EXPECT_EQ(session->mode, GameSession::Idle);              // chosen on release only
}

TEST_F(SessionTest, AnUnaffordableOrUnavailableTowerSaysWhyInRed) {
    session->money = 50;
    pointAt(262, 225); // the tesla coil's button
    frame();
    EXPECT_EQ(pixel(255, 229), colour(kMainRedInk));

    engine.towerDefs[1].available = false;
    session->money = 1000;
    pointAt(282, 225);
    frame();
    EXPECT_EQ(pixel(280, 220), slotColour(2));
    EXPECT_EQ(pixel(255, 229), colour(kMainRedInk)); // "Not Available"
    click(282, 225);
    EXPECT_EQ(session->mode, GameSession::Idle);
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
    session->placingType = 0;
    engine.mouseX = 100; // the laser's sprite covers 92 to 107, 194 to 213
    session->placeBuilding();
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
    ASSERT_EQ(session->mode, GameSession::QuitDialog);
    // "Quit Game?" in the small font, "Yes" and "No" 12 and 8 pixels wide.
    EXPECT_EQ(pixel(160, 90), colour(kSmallInk));
    EXPECT_EQ(pixel(154, 110), colour(kMainRedInk));
    EXPECT_EQ(pixel(156, 120), colour(kMainInk));
    EXPECT_EQ(pixel(300, 220), colour(kBackground)); // no buttons in the dialog

    click(150, 122);
    EXPECT_EQ(session->mode, GameSession::Idle);
    EXPECT_TRUE(session->running);
    platform.press(KEY_ESC);
    frame();
    click(179, 118); // the edge of "Yes"
    EXPECT_FALSE(session->running);
}

TEST_F(SessionTest, GameOverGreysThePlayfieldUnderAColouredCaption) {
    session->clouds.clear(); // they drift through the caption's rows wherever rand puts them
    session->waveNumber = 4;
    session->health = 0;
    frame();
    ASSERT_TRUE(session->gameOver);
    const int grey = 18; // 0.30 * 10 + 0.59 * 20 + 0.11 * 30
    EXPECT_EQ(pixel(5, 150), makecol(grey, grey, grey));
    EXPECT_EQ(pixel(2, 220), makecol(grey, grey, grey)); // no status display
    // "Game Over" is 9 glyphs of 3 + 1: a 38-pixel caption doubled, from 122.
    EXPECT_EQ(pixel(122, 50), colour(kMainRedInk));
    EXPECT_EQ(pixel(121, 50), makecol(grey, grey, grey));
    EXPECT_EQ(pixel(125, 59), colour(kMainRedInk));
    EXPECT_EQ(pixel(160, 74), colour(kSmallRedInk)); // "Waves Defeated: 3"
    EXPECT_EQ(pixel(154, 110), colour(kMainInk));    // the dialog opened by itself

    // The dialog closes and opens again over the grey screen; buttons stay gone.
    platform.press(KEY_ESC);
    frame();
    EXPECT_EQ(session->mode, GameSession::Idle);
    EXPECT_EQ(pixel(154, 110), makecol(grey, grey, grey));
    click(310, 230);
    EXPECT_EQ(session->mode, GameSession::Idle);
    platform.press(KEY_ESC);
    frame();
    EXPECT_EQ(session->mode, GameSession::QuitDialog);
}

TEST_F(SessionTest, PlacingFollowsThePointerAndShowsABlockedPlace) {
    click(310, 230);
    ASSERT_EQ(session->mode, GameSession::Placing);
    EXPECT_EQ(session->placingType, 0);
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
    EXPECT_EQ(session->mode, GameSession::Placing);

    pointAt(110, 150);
    frame();
    EXPECT_EQ(pixel(102, 194), colour(towerColour(0, 1))); // the blocked look
    click(110, 150);
    EXPECT_EQ(session->buildings.size(), 1u);

    press(200, 150, 2);
    EXPECT_EQ(session->mode, GameSession::Placing); // a right click acts on release
    release();
    EXPECT_EQ(session->mode, GameSession::Idle);
}

TEST_F(SessionTest, RunningShortOfMoneyLeavesPlacing) {
    click(310, 230);
    ASSERT_EQ(session->mode, GameSession::Placing);
    session->money = 10;
    frame();
    EXPECT_EQ(session->mode, GameSession::Idle);
}

TEST_F(SessionTest, EscapeDropsTheTowerBeingPlaced) {
    click(310, 230);
    platform.press(KEY_ESC);
    frame();
    EXPECT_EQ(session->mode, GameSession::QuitDialog);
    platform.press(KEY_ESC);
    frame();
    EXPECT_EQ(session->mode, GameSession::Idle);
}

TEST_F(SessionTest, ATowerIsSelectedMarkedAndDemolished) {
    session->placingType = 2;
    engine.mouseX = 100; // the tesla coil's 24-wide sprite starts at 88
    session->placeBuilding();
    session->placingType = 0;
    engine.mouseX = 200;
    session->placeBuilding();
    const int moneyBefore = session->money;

    click(95, 200);
    ASSERT_EQ(session->mode, GameSession::BuildingSelected);
    ASSERT_EQ(session->selectedBuilding, session->buildings.front());
    // The 24 x 24 selector centred on the coil's resting frame.
    EXPECT_EQ(pixel(88, 192), colour(kSelector));
    EXPECT_EQ(pixel(305, 225), colour(kDemolishIcon));

    click(205, 200); // another tower takes the selection
    EXPECT_EQ(session->selectedBuilding, session->buildings.back());
    press(20, 150);
    EXPECT_EQ(pixel(300, 220), slotColour(0)); // held away from the button: not pressed
    release();                                 // empty ground keeps the selection
    EXPECT_EQ(session->mode, GameSession::BuildingSelected);

    pointAt(310, 230);
    frame();
    EXPECT_EQ(pixel(300, 220), slotColour(1));
    EXPECT_EQ(pixel(295, 229), colour(kMainInk)); // "+$12"
    click(310, 230);
    EXPECT_EQ(session->mode, GameSession::Idle);
    ASSERT_EQ(session->buildings.size(), 1u);
    EXPECT_EQ(session->buildings.front()->type, 2);
    EXPECT_EQ(session->money, moneyBefore + kTowerValues[0] / 2);

    click(95, 200);
    click(20, 150, 2);
    EXPECT_EQ(session->mode, GameSession::Idle);
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
    session->placingType = 0;
    engine.mouseX = 100;
    session->placeBuilding();
    Building* tower = session->buildings.back();
    const int upgradeX = 280; // beside the demolish button at 300
    click(100, 200);
    EXPECT_EQ(pixel(upgradeX, 220), colour(kBackground)) << "no levels, no button";

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

    session->money = 0;
    click(300 + 9, 229);
    EXPECT_EQ(session->money, (kTowerValues[0] + 30 + 60) / 2);
}
