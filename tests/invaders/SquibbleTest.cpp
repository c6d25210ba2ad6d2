#include "invaders/Squibble.h"
#include "gfx/SpritePlayer.h"
#include "invaders/SessionScope.h"

#include <allegro.h>
#include <gtest/gtest.h>

TEST(SquibbleTest, HealthGrowsWithTheWaveAndOnlyTheGrowthIsCut) {
    SessionScope scope;
    const struct {
        int wave;
        double increase;
        int health;
    } cases[] = {
        {1, 2.5, 10}, {2, 2.5, 12}, {3, 2.5, 15},
        {4, 2.5, 17}, {2, -2.5, 8}, // cut toward zero, not down
        {7, 0.0, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "wave " << c.wave << ", increase " << c.increase);
        scope.session.waveNumber = c.wave;
        scope.engine.invaderDefs[0].healthIncrease = c.increase;
        Squibble squibble;
        EXPECT_EQ(squibble.health, c.health);
        EXPECT_EQ(squibble.maxHealth, c.health);
        EXPECT_EQ(squibble.size, 6.0);
        EXPECT_EQ(squibble.x, 0.0);
        EXPECT_EQ(squibble.y, 0.0);
        ASSERT_NE(squibble.player, nullptr);
        EXPECT_EQ(squibble.player->animation, 0);
    }
}

TEST(SquibbleTest, AHitPlaysTheHealthyOrTheDamagedReactionBy35Percent) {
    SessionScope scope;
    Squibble squibble;
    ASSERT_EQ(squibble.maxHealth, 10);

    squibble.damage(2);
    EXPECT_EQ(squibble.health, 8);
    EXPECT_EQ(squibble.player->animation, 1);
    EXPECT_EQ(squibble.player->queue, std::deque<int>{0});

    // A second hit during the reaction starts it again.
    squibble.update(0.1);
    ASSERT_EQ(squibble.player->animation, 1);
    squibble.damage(2);
    EXPECT_EQ(squibble.player->time, 0.0f);
    EXPECT_EQ(squibble.player->animation, 1);

    squibble.damage(2); // 4 left, above the threshold of 3
    EXPECT_EQ(squibble.player->animation, 1);
    squibble.damage(1); // 3 left: at the threshold counts as damaged
    EXPECT_EQ(squibble.player->animation, 3);
    EXPECT_EQ(squibble.player->queue, std::deque<int>{2});

    // After one cycle of the reaction it goes on with its damaged loop.
    squibble.update(0.25);
    EXPECT_EQ(squibble.player->animation, 2);
    EXPECT_EQ(scope.session.money, 100);
    EXPECT_TRUE(scope.session.effects.empty());
}

TEST(SquibbleTest, AKillPaysTheBountyOnceWithAPoofAndTheAmount) {
    SessionScope scope;
    Squibble squibble;
    squibble.x = 20.7;
    squibble.y = 30.2;

    squibble.damage(10);
    EXPECT_EQ(squibble.health, 0);
    EXPECT_EQ(scope.session.money, 107);
    // Both at the centre, (20 + 14 / 2, 30 + 12 / 2); "+7" in the small font.
    scope.expectPoofAndText(27, 36, makecol(250, 250, 250));

    // Two projectiles in the same step: the second pays nothing.
    squibble.damage(5);
    EXPECT_EQ(squibble.health, 0);
    EXPECT_EQ(scope.session.money, 107);
    EXPECT_EQ(scope.session.effects.size(), 2u);

    // Overkill pays the same bounty.
    Squibble other;
    other.damage(1000);
    EXPECT_EQ(scope.session.money, 114);
}

TEST(SquibbleTest, AnEscapedSquibblePaysNothingWhenHit) {
    SessionScope scope;
    Squibble squibble;
    squibble.health = -1;
    squibble.damage(3);
    EXPECT_EQ(squibble.health, -1);
    EXPECT_EQ(scope.session.money, 100);
    EXPECT_TRUE(scope.session.effects.empty());
}

TEST(SquibbleTest, TheDebugOverlayShowsTheHealthAtTheCorner) {
    SessionScope scope;
    BITMAP* canvas = create_bitmap(320, 240);
    Squibble squibble;
    squibble.x = 40.6;
    squibble.y = 50.9;
    squibble.damage(2);
    squibble.update(1.0); // back on its resting frame, animation 0

    const int ink = makecol(250, 250, 250);
    clear_to_color(canvas, makecol(0, 0, 0));
    squibble.draw(canvas);
    EXPECT_EQ(getpixel(canvas, 40, 50), testart::colourOf(testart::frameColour(0)));
    EXPECT_EQ(getpixel(canvas, 53, 61), testart::colourOf(testart::frameColour(0)));
    EXPECT_EQ(getpixel(canvas, 54, 50), makecol(0, 0, 0));

    scope.session.debugOverlay = true;
    clear_to_color(canvas, makecol(0, 0, 0));
    squibble.draw(canvas);
    // "8": one glyph 3 wide, over the sprite.
    EXPECT_EQ(getpixel(canvas, 40, 50), ink);
    EXPECT_EQ(getpixel(canvas, 42, 54), ink);
    EXPECT_NE(getpixel(canvas, 43, 50), ink);
    EXPECT_NE(getpixel(canvas, 40, 55), ink);
    destroy_bitmap(canvas);
}
