#include "DefencesFixture.h"

#include "defences/LaserProjectile.h"
#include "defences/MissileProjectile.h"
#include "defences/MissileTurret.h"
#include "effects/SimpleEffect.h"
#include "gfx/SpritePlayer.h"
#include "invaders/Wave.h"

#include <allegro.h>

#include <cmath>
#include <cstdlib>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

class MissileTest : public DefencesTest {
  protected:
    // A missile at (x, y) already chasing an invader centred on (cx, cy).
    MissileProjectile* chase(double cx, double cy, int x = 100, int y = 100) {
        if (!session->wave)
            startWave();
        TestInvader* target = addInvader(cx, cy);
        auto* missile = new MissileProjectile(session, x, y, 10, 5, 20.0);
        session->projectiles.push_back(missile);
        missile->target.set(session, target);
        return missile;
    }

    // A missile at (100, 100), past its straight flight, whose target lies in
    // the given direction.
    MissileProjectile* steering(double heading, double towards) {
        MissileProjectile* missile =
            chase(100 + 50 * std::cos(towards), 100 - 50 * std::sin(towards));
        missile->heading = heading;
        missile->age = 0.5;
        return missile;
    }
};

TEST_F(MissileTest, LaunchesTowardsTheTargetsSideJudgedFromTheTurretsLeftEdge) {
    startWave();
    // Target centre just right of the left edge, though left of the centre.
    addInvader(100.5, 50);
    auto turret = place<MissileTurret>(100);

    turret->update(1.6);

    auto missiles = projectilesOfKind<MissileProjectile>();
    ASSERT_EQ(missiles.size(), 1u);
    EXPECT_EQ(missiles[0]->x, 111.0);
    EXPECT_EQ(missiles[0]->y, kBaseline - 9.0);
    EXPECT_DOUBLE_EQ(missiles[0]->heading, kPi / 5);
    EXPECT_EQ(missiles[0]->damage, 10);
    EXPECT_EQ(missiles[0]->splashDamage, 5);
    EXPECT_EQ(missiles[0]->splashRadius, 20.0);
    EXPECT_TRUE(turret->facingRight);
    EXPECT_EQ(turret->player->animation, 4);
    EXPECT_EQ(turret->player->queue.front(), 2);

    // Three puffs 3 to 8 pixels right of the tube, one after the other.
    auto puffs = effectsOn(art.puff);
    ASSERT_EQ(puffs.size(), 3u);
    const double delays[] = {0.1, 0.17, 0.24};
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(puffs[i]->delay, delays[i]);
        EXPECT_GE(puffs[i]->x + 3, 110 + 3);
        EXPECT_LE(puffs[i]->x + 3, 110 + 8);
        EXPECT_GE(puffs[i]->y + 3, kBaseline - 21);
        EXPECT_LE(puffs[i]->y + 3, kBaseline - 16);
    }

    // Each level widens the splash by the type's reach and deepens it by its
    // damage, for the missiles launched from then on.
    engine.towerDefs[1].upgradeReach = 4.0;
    engine.towerDefs[1].upgradeDamage = 1;
    turret->upgrade();
    turret->upgrade();
    turret->update(1.6);
    missiles = projectilesOfKind<MissileProjectile>();
    ASSERT_EQ(missiles.size(), 2u);
    EXPECT_EQ(missiles[1]->splashRadius, 28.0);
    EXPECT_EQ(missiles[1]->splashDamage, 7);
    EXPECT_EQ(missiles[0]->splashRadius, 20.0);
}

TEST_F(MissileTest, ATargetCentredOnTheLeftEdgeSendsTheMissileLeft) {
    startWave();
    addInvader(100.0, 50);
    auto turret = place<MissileTurret>(100);

    turret->update(1.6);

    auto missiles = projectilesOfKind<MissileProjectile>();
    ASSERT_EQ(missiles.size(), 1u);
    EXPECT_DOUBLE_EQ(missiles[0]->heading, 4 * kPi / 5);
    EXPECT_FALSE(turret->facingRight);
    EXPECT_EQ(turret->player->animation, 3);
    EXPECT_EQ(turret->player->queue.front(), 0);
    for (SimpleEffect* puff : effectsOn(art.puff)) {
        EXPECT_GE(puff->x + 3, 110 - 9);
        EXPECT_LE(puff->x + 3, 110 - 4);
    }
}

TEST_F(MissileTest, ShootsEvenAtTheDyingAndWithNobodyLeftKeepsItsSide) {
    auto turret = place<MissileTurret>(100);
    turret->update(1.6); // no wave
    EXPECT_TRUE(session->projectiles.empty());

    startWave();
    TestInvader* dying = addInvader(300, 50, 0); // its wave has not removed it yet
    turret->update(1.5);
    ASSERT_EQ(session->projectiles.size(), 1u);
    EXPECT_TRUE(turret->facingRight);

    delete dying;
    session->wave->invaders.clear();
    const size_t effects = session->effects.size();
    turret->update(1.5); // the launch is over: resting, facing right

    EXPECT_EQ(session->projectiles.size(), 1u);
    EXPECT_EQ(session->effects.size(), effects);
    EXPECT_TRUE(turret->facingRight);
    EXPECT_EQ(turret->player->animation, 2);
    EXPECT_NEAR(turret->timer, 0.1f, 1e-5);
}

TEST_F(MissileTest, IsDrawnCentredOnItsPosition) {
    auto* missile = new MissileProjectile(session, 100, 100, 10, 5, 20.0);
    session->projectiles.push_back(missile);
    missile->x = missile->y = 100.9; // cut, not rounded
    BITMAP* canvas = create_bitmap(320, 240);
    clear_to_color(canvas, makecol(0, 0, 0));

    missile->draw(canvas);

    // The 8 x 8 frame from (96, 96) to (103, 103).
    const int ink = makecol(250, 250, 0);
    EXPECT_EQ(getpixel(canvas, 96, 96), ink);
    EXPECT_EQ(getpixel(canvas, 103, 103), ink);
    EXPECT_NE(getpixel(canvas, 95, 95), ink);
    EXPECT_NE(getpixel(canvas, 104, 104), ink);
    destroy_bitmap(canvas);
}

TEST_F(MissileTest, FliesStraightForAMomentThenSteersAndTrailsSmoke) {
    MissileProjectile* missile = chase(300, 190);
    missile->heading = kPi / 5;
    missile->age = 0.05;

    missile->update(0.1);
    EXPECT_DOUBLE_EQ(missile->heading, kPi / 5);
    EXPECT_NEAR(missile->x, 100 + 10 * std::cos(kPi / 5), 1e-9);
    EXPECT_NEAR(missile->y, 100 - 10 * std::sin(kPi / 5), 1e-9);
    EXPECT_TRUE(effectsOn(art.puff).empty());

    missile->update(0.1);
    EXPECT_LT(missile->heading, kPi / 5); // turning clockwise, down towards the target
    EXPECT_EQ(effectsOn(art.puff).size(), 2u);
}

TEST_F(MissileTest, TurnsNoFasterThanItsSteeringLimitEitherWay) {
    struct Case {
        double heading, towards, expected;
    };
    const Case cases[] = {
        {1.0, 2.0, 1.05},                   // counter-clockwise, capped at 0.5 rad/s
        {1.0, 1.3, 1.03},                   // within the limit the whole difference
        {1.0, 0.0, 0.95},                   // clockwise, capped at -0.5 rad/s
        {1.0, 0.7, 0.97}, {5.0, 1.0, 5.05}, // -4.0 is the long way round; +2.28 is shorter
    };
    for (const Case& c : cases) {
        MissileProjectile* missile = steering(c.heading, c.towards);
        missile->update(0.1);
        EXPECT_NEAR(missile->heading, c.expected, 1e-9)
            << "heading " << c.heading << " towards " << c.towards;
    }
}

TEST_F(MissileTest, KeepsItsHeadingWithinOneTurn) {
    engine.settings.set("MissileSteeringMax", "2.0");
    MissileProjectile* up = steering(6.2, 2.0);
    up->update(0.1);
    EXPECT_NEAR(up->heading, 6.4 - 2 * kPi, 1e-9);

    engine.settings.set("MissileSteeringMax", "1.0");
    MissileProjectile* down = steering(0.05, -kPi / 2);
    down->update(0.1);
    EXPECT_NEAR(down->heading, 2 * kPi - 0.05, 1e-9);
}

TEST_F(MissileTest, RightOnItsTargetKeepsItsHeading) {
    MissileProjectile* missile = chase(100, 100);
    missile->heading = 1.0;
    missile->age = 0.5;

    missile->update(0.1);

    EXPECT_DOUBLE_EQ(missile->heading, 1.0);
    EXPECT_NEAR(std::hypot(missile->x - 100, missile->y - 100), 10.0, 1e-9);
}

TEST_F(MissileTest, TurningHardSlowsItDownOrDrivesItBackwards) {
    engine.settings.set("MissileSteeringMax", "1.5");
    MissileProjectile* slowed = steering(kPi / 2, kPi);
    slowed->update(0.1);
    const double heading = kPi / 2 + 0.15;
    EXPECT_NEAR(slowed->x, 100 + 4 * std::cos(heading), 1e-9); // 40 % of 10 pixels
    EXPECT_NEAR(slowed->y, 100 - 4 * std::sin(heading), 1e-9);

    engine.settings.set("MissileSteeringResponse", "1.0");
    MissileProjectile* backwards = steering(kPi / 2, kPi);
    backwards->update(0.1);
    EXPECT_NEAR(backwards->x, 100 - 5 * std::cos(heading), 1e-9);
    EXPECT_NEAR(backwards->y, 100 + 5 * std::sin(heading), 1e-9);
}

TEST_F(MissileTest, ShowsTheNearestOfSixteenDirections) {
    struct Case {
        double heading;
        int animation;
    };
    const Case cases[] = {
        {0.0, 0},  {kPi / 5, 2},         {kPi / 2, 4},         {3 * kPi / 4, 6}, {kPi, 8},
        {6.28, 0}, {kPi / 16 - 1e-9, 0}, {kPi / 16 + 1e-9, 1}, {3 * kPi / 2, 12}};
    MissileProjectile* missile = chase(300, 20);
    for (const Case& c : cases) {
        missile->heading = c.heading;
        missile->player->time = 0.05f;
        missile->update(0.0);
        EXPECT_EQ(missile->player->animation, c.animation) << "heading " << c.heading;
        EXPECT_EQ(missile->player->time, 0.0f);
    }
}

TEST_F(MissileTest, PuffsOnceForEveryStretchOfFlight) {
    MissileProjectile* burst = chase(300, 20);
    burst->age = 0.3;
    burst->update(0.2);
    const auto burstPuffs = effectsOn(art.puff);
    ASSERT_EQ(burstPuffs.size(), 3u);
    EXPECT_NEAR(burst->puffTimer, 0.07, 1e-9);
    // Each puff is left just behind the missile.
    for (SimpleEffect* puff : burstPuffs) {
        EXPECT_EQ(puff->x + 3, static_cast<int>(burst->x - std::cos(burst->heading)));
        EXPECT_EQ(puff->y + 3, static_cast<int>(burst->y) - 1);
    }

    MissileProjectile* steady = chase(20, 20, 200, 150);
    steady->age = 0.2;
    for (int i = 0; i < 35; ++i)
        steady->update(0.025);
    EXPECT_EQ(effectsOn(art.puff).size(), 3u + 10u);
}

TEST_F(MissileTest, TheBlastReachesInvadersWhoseCircleComesWithinTheSplash) {
    startWave();
    auto* missile = new MissileProjectile(session, 100, 100, 10, 5, 20.0);
    session->projectiles.push_back(missile);
    TestInvader* touching = addInvader(126, 100, 100, 6.0); // 26 = 20 + 6: just outside
    TestInvader* inside = addInvader(100, 125.9, 100, 6.0);
    TestInvader* dead = addInvader(100, 100, 0, 6.0);

    missile->explode();

    EXPECT_TRUE(touching->damageTaken.empty());
    EXPECT_EQ(inside->damageTaken, std::vector<int>{5});
    EXPECT_TRUE(dead->damageTaken.empty());
    EXPECT_TRUE(missile->alive);
}

TEST_F(MissileTest, BlowsUpWithOneMoreBlastPerPointOfDamageStaggered) {
    auto* missile = new MissileProjectile(session, 100, 100, 10, 5, 20.0);
    session->projectiles.push_back(missile);

    missile->explode();

    const auto blasts = effectsOn(art.explosion);
    ASSERT_EQ(blasts.size(), 16u);
    EXPECT_EQ(blasts[0]->delay, 0.0);
    EXPECT_EQ(blasts[0]->x + 6, 100.0);
    EXPECT_EQ(blasts[0]->y + 6, 100.0);
    for (int i = 1; i <= 15; ++i) {
        EXPECT_NEAR(blasts[i]->delay, 0.02 * i, 1e-12);
        EXPECT_GE(blasts[i]->x + 6, 80);
        EXPECT_LE(blasts[i]->x + 6, 118);
        EXPECT_GE(blasts[i]->y + 6, 80);
        EXPECT_LE(blasts[i]->y + 6, 118);
    }

    // However much damage a missile carries, a thousand more at most.
    MissileProjectile(session, 100, 100, 8, 200000, 20.0).explode();
    EXPECT_EQ(effectsOn(art.explosion).size(), 16u + 1u + 1000u);
}

TEST_F(MissileTest, ASplashBelowOnePixelKeepsEveryBlastAtTheCentre) {
    auto* missile = new MissileProjectile(session, 100, 100, 2, 1, 0.5);
    session->projectiles.push_back(missile);

    missile->explode();

    const auto blasts = effectsOn(art.explosion);
    ASSERT_EQ(blasts.size(), 4u);
    for (SimpleEffect* blast : blasts) {
        EXPECT_EQ(blast->x + 6, 100.0);
        EXPECT_EQ(blast->y + 6, 100.0);
    }
}

TEST_F(MissileTest, ADirectHitDealsItsDamageThenTheSplash) {
    MissileProjectile* missile = chase(100, 100);
    TestInvader* target = static_cast<TestInvader*>(session->wave->invaders.front());
    target->health = 12;

    missile->hit(target);

    EXPECT_EQ(target->damageTaken, (std::vector<int>{10, 5}));
    EXPECT_LE(target->health, 0);
    EXPECT_FALSE(missile->alive);
    EXPECT_EQ(effectsOn(art.explosion).size(), 16u);
}

TEST_F(MissileTest, OutlivingItsFuelItBlowsUpWhereItIs) {
    MissileProjectile* missile = chase(300, 20);
    TestInvader* near = addInvader(110, 100);
    missile->age = 2.95;

    missile->update(0.1);

    EXPECT_FALSE(missile->alive);
    EXPECT_EQ(missile->x, 100.0);
    EXPECT_EQ(near->damageTaken, std::vector<int>{5});
    EXPECT_EQ(effectsOn(art.explosion).size(), 16u);
}

TEST_F(MissileTest, ChoosesAnotherTargetInTheStepItsTargetIsKilled) {
    startDeletingWave();
    MissileProjectile* missile = chase(50, 100, 150, 180);
    missile->age = 0.5;
    missile->target.get()->health = 5;
    TestInvader* other = addInvader(250, 50);
    // A bolt from another tower kills the target in the collision pass.
    session->projectiles.push_back(new LaserProjectile(50, 100, 5));

    session->update(0.0);

    EXPECT_EQ(session->wave->invaders.size(), 1u);
    EXPECT_TRUE(missile->alive);
    EXPECT_EQ(missile->target.get(), other);
    EXPECT_TRUE(effectsOn(art.poof).empty());
}

TEST_F(MissileTest, VanishesInAPoofWhenNobodyIsLeft) {
    startDeletingWave();
    MissileProjectile* missile = chase(50, 100, 150, 180);
    missile->target.get()->health = 5;
    session->projectiles.push_back(new LaserProjectile(50, 100, 5));

    session->update(0.0);

    EXPECT_TRUE(session->projectiles.empty());
    const auto poofs = effectsOn(art.poof);
    ASSERT_EQ(poofs.size(), 1u);
    EXPECT_EQ(poofs[0]->x + 5, 150.0);
    EXPECT_EQ(poofs[0]->y + 5, 180.0);
    EXPECT_TRUE(effectsOn(art.explosion).empty());
}

TEST_F(MissileTest, LosesItsTargetWhenTheWaveMovesOn) {
    MissileProjectile* missile = chase(50, 100);
    Invader* target = missile->target.get();
    ASSERT_NE(target, nullptr);

    // The same address in the next wave's list is another invader.
    ++session->waveNumber;
    EXPECT_EQ(missile->target.get(), nullptr);
    --session->waveNumber;
    EXPECT_EQ(missile->target.get(), target);

    // A new wave object, even one holding an invader at the same address.
    Wave* old = session->wave;
    session->wave = new Wave;
    session->wave->invaders.push_back(target);
    EXPECT_EQ(missile->target.get(), nullptr);
    session->wave->invaders.clear();
    delete session->wave;
    session->wave = old;
}

TEST_F(MissileTest, ASpentMissileDoesNothing) {
    MissileProjectile* missile = chase(300, 20);
    missile->alive = false;

    missile->update(1.0);

    EXPECT_EQ(missile->x, 100.0);
    EXPECT_EQ(missile->age, 0.0);
    EXPECT_TRUE(session->effects.empty());
}
