#include "invaders/Squibble.h"

#include "app/Random.h"
#include "effects/ArmourSparkEffect.h"
#include "gfx/SpritePlayer.h"
#include "invaders/Dartling.h"
#include "invaders/InvaderKind.h"
#include "invaders/SessionScope.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <iterator>
#include <memory>

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
        scope.engine.invaderDefs[0].healthIncrease = c.increase;
        Squibble squibble(0, c.wave);
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
    scope.inGame(squibble);
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
    scope.inGame(squibble);
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
    scope.inGame(other);
    other.damage(1000);
    EXPECT_EQ(scope.session.money, 114);
}

TEST(SquibbleTest, AnEscapedSquibblePaysNothingWhenHit) {
    SessionScope scope;
    Squibble squibble;
    scope.inGame(squibble);
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
    scope.inGame(squibble);
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

// The other kinds take hits and pay as the squibble does, by their own
// definitions: the shellback's armour comes off every hit and turns a hit no
// stronger than itself aside whole, each with its sparks and a softened hit
// with what it did in grey; each kind leaves its own poof and is counted as
// what it is.
TEST(SquibbleTest, EachKindTakesHitsAndPaysByItsOwnDefinition) {
    SessionScope scope;
    const auto shards = testart::stripSheet(8, 6, 1, {{10.0f, {0}}});
    InvaderDef& shellDef = scope.kindLike(1, 9);
    shellDef.armour = 3;
    shellDef.poof = shards.get();
    scope.kindLike(2, 4);
    scope.kindLike(3, 50);

    constexpr int kNoSparks = -1;
    const struct {
        int kind;
        int hit;
        int health;    // left after the hit
        int animation; // played after it, and heard when turned aside
        int sparks;    // the ArmourSparkEffect's kind, or none
    } cases[] = {
        {0, 3, 7, 1, kNoSparks},
        {1, 3, 10, 4, ArmourSparkEffect::TurnedAside},
        {1, 2, 10, 4, ArmourSparkEffect::TurnedAside},
        {1, 5, 8, 1, ArmourSparkEffect::Softened},
        {2, 3, 7, 1, kNoSparks},
        {3, 3, 7, 1, kNoSparks},
    };
    const int grey = makecol(0xc2, 0xc3, 0xc7);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", hit " << c.hit);
        scope.sound.played.clear();
        std::unique_ptr<Invader> invader(scope.make(c.kind));
        invader->damage(c.hit);
        EXPECT_EQ(invader->health, c.health);
        EXPECT_EQ(invader->player->animation, c.animation);
        EXPECT_EQ(invader->player->queue, std::deque<int>{0});
        EXPECT_EQ(scope.sound.heard(SoundEffect::ArmourTurnedAside), c.animation == 4 ? 1 : 0);

        std::list<Effect*>& effects = scope.session.effects;
        const auto* sparks =
            effects.empty() ? nullptr : dynamic_cast<ArmourSparkEffect*>(effects.front());
        EXPECT_EQ(sparks ? sparks->kind : kNoSparks, c.sparks);
        // The softened hit's figure: one grey digit on the font's block.
        const bool softened = c.sparks == ArmourSparkEffect::Softened;
        ASSERT_EQ(effects.size(), c.sparks == kNoSparks ? 0u : softened ? 2u : 1u);
        if (softened) {
            const auto* figure = dynamic_cast<TextEffect*>(effects.back());
            ASSERT_NE(figure, nullptr);
            EXPECT_EQ(figure->image->w, 3 + 2);
            EXPECT_EQ(getpixel(figure->image, 0, 0), grey);
        }
        for (Effect* effect : effects)
            delete effect;
        effects.clear();
    }
    EXPECT_EQ(scope.session.money, 100);

    for (int kind : {1, 2, 3}) {
        std::unique_ptr<Invader> invader(scope.make(kind));
        invader->damage(1000);
    }
    EXPECT_EQ(scope.session.money, 100 + 9 + 4 + 50);
    for (int kind : {0, 1, 2, 3})
        EXPECT_EQ(scope.session.kills[kind], kind == 0 ? 0 : 1) << kind;
    // The killing blow through the shell leaves its sparks and figure first.
    const auto* poof = dynamic_cast<SimpleEffect*>(*std::next(scope.session.effects.begin(), 2));
    ASSERT_NE(poof, nullptr);
    EXPECT_EQ(poof->player->sheet, shards.get());
    const auto* dartlingPoof =
        dynamic_cast<SimpleEffect*>(*std::next(scope.session.effects.begin(), 4));
    ASSERT_NE(dartlingPoof, nullptr);
    EXPECT_EQ(dartlingPoof->player->sheet, scope.poof.get());
}

// A dartling waits out of sight, then for its drawn moment once in sight,
// then leaves the block and drops at its own speed, wings folded.
TEST(SquibbleTest, ADartlingDivesAtItsOwnMomentAndSpeed) {
    SessionScope scope;
    InvaderDef& def = scope.kindLike(2, 4);
    def.longestWait = 10.0;
    def.speed = 30.0;
    Random::seed(5);
    const int draw = Random::next() % 1000;
    Random::seed(5);
    Dartling dartling(2);
    scope.inGame(dartling);
    EXPECT_DOUBLE_EQ(dartling.waitLeft, 10.0 * draw / 1000);

    dartling.y = -4.0;
    dartling.update(100.0);
    EXPECT_TRUE(dartling.marching()) << "out of sight, the wait does not run";
    dartling.y = 0.0;
    dartling.update(dartling.waitLeft - 0.01);
    EXPECT_TRUE(dartling.marching());
    EXPECT_EQ(scope.sound.heard(SoundEffect::Dive), 0);
    dartling.update(0.02);
    EXPECT_FALSE(dartling.marching());
    EXPECT_EQ(scope.sound.heard(SoundEffect::Dive), 1);
    EXPECT_EQ(dartling.player->animation, 4);
    EXPECT_EQ(dartling.y, 0.0);
    dartling.update(0.5);
    EXPECT_DOUBLE_EQ(dartling.y, 15.0);

    // Hit in its dive, it flinches and dives on.
    dartling.damage(1);
    EXPECT_EQ(dartling.player->queue, std::deque<int>{4});

    // Once the game is lost it hangs where it is.
    scope.session.gameOver = true;
    dartling.update(1.0);
    EXPECT_DOUBLE_EQ(dartling.y, 15.0);
}
