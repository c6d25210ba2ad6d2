#include "DefencesFixture.h"

#include "defences/LaserProjectile.h"
#include "defences/LaserTurret.h"
#include "gfx/SpritePlayer.h"

#include <allegro.h>

using LaserTest = DefencesTest;

TEST_F(LaserTest, FiresFromTheRestingMuzzleWhateverFrameIsShown) {
    auto turret = place<LaserTurret>(100);

    turret->update(0.6); // one period of 0.5 gone

    auto bolts = projectilesOfKind<LaserProjectile>();
    ASSERT_EQ(bolts.size(), 1u);
    EXPECT_EQ(bolts[0]->x, 108.0);
    EXPECT_EQ(bolts[0]->y, kBaseline - 12.0);
    EXPECT_EQ(bolts[0]->damage, 5);
    EXPECT_EQ(turret->player->animation, 2);
    EXPECT_EQ(turret->player->queue.front(), 0);

    // Mid-animation the frame is 20 wide, but the bolt still leaves at 108.
    turret->update(0.5);
    bolts = projectilesOfKind<LaserProjectile>();
    ASSERT_EQ(bolts.size(), 2u);
    EXPECT_EQ(bolts[1]->x, 108.0);
}

TEST_F(LaserTest, FiresWithNobodyToShootAtAndTheBoltsLeaveAtTheTop) {
    auto turret = place<LaserTurret>(100);
    turret->update(0.6);
    ASSERT_EQ(session->projectiles.size(), 1u);

    for (int i = 0; i < 10; ++i)
        session->update(0.1);

    EXPECT_TRUE(session->projectiles.empty());
}

TEST_F(LaserTest, TheBoltRisesUntilItsWholeImageHasLeft) {
    LaserProjectile bolt(50, 188, 5);

    bolt.update(0.05);
    EXPECT_DOUBLE_EQ(bolt.y, 178.0);
    EXPECT_DOUBLE_EQ(bolt.x, 50.0);

    bolt.update(0.0);
    EXPECT_DOUBLE_EQ(bolt.y, 178.0);

    bolt.y = -9.0;
    bolt.update(0.005); // to -10: the bottom row is still on the canvas
    EXPECT_TRUE(bolt.alive);
    bolt.update(0.001);
    EXPECT_FALSE(bolt.alive);
}

TEST_F(LaserTest, TheBoltIsDrawnHangingFromItsTip) {
    LaserProjectile bolt(50, 100, 5);
    BITMAP* canvas = create_bitmap(320, 240);
    clear_to_color(canvas, makecol(0, 0, 0));

    bolt.draw(canvas);

    const int red = makecol(255, 0, 0);
    EXPECT_EQ(getpixel(canvas, 49, 100), red);
    EXPECT_EQ(getpixel(canvas, 51, 109), red);
    EXPECT_NE(getpixel(canvas, 48, 100), red);
    EXPECT_NE(getpixel(canvas, 52, 100), red);
    EXPECT_NE(getpixel(canvas, 50, 99), red);
    EXPECT_NE(getpixel(canvas, 50, 110), red);
    destroy_bitmap(canvas);
}

TEST_F(LaserTest, WithoutItsPictureABoltIsUnseenButStillHits) {
    engine.laserSmall = nullptr;
    startWave();
    TestInvader* invader = addInvader(50, 100);
    auto* bolt = new LaserProjectile(50, 100, 5);
    session->projectiles.push_back(bolt);
    BITMAP* canvas = create_bitmap(320, 240);

    bolt->draw(canvas);
    session->update(0.0);

    EXPECT_EQ(invader->damageTaken, std::vector<int>{5});
    destroy_bitmap(canvas);
}

TEST_F(LaserTest, TheTipHitsAndTheBoltIsSpentOnItsFirstInvader) {
    startWave();
    // Two invaders overlapping the bolt's path; the tip reaches both.
    TestInvader* first = addInvader(50, 90, 100, 6.0);
    TestInvader* second = addInvader(50, 92, 100, 6.0);
    // A bolt whose tail, but not its tip, is inside an invader.
    TestInvader* missed = addInvader(200, 100, 100, 6.0);
    session->projectiles.push_back(new LaserProjectile(50, 95, 5));
    session->projectiles.push_back(new LaserProjectile(200, 93, 5));

    session->update(0.0);

    EXPECT_EQ(first->damageTaken, std::vector<int>{5});
    EXPECT_TRUE(second->damageTaken.empty());
    EXPECT_TRUE(missed->damageTaken.empty());
    // The spent bolt is gone; the other one flies on.
    ASSERT_EQ(session->projectiles.size(), 1u);
    EXPECT_DOUBLE_EQ(session->projectiles.front()->x, 200.0);
}

TEST_F(LaserTest, ABoltExactlyOnTheHitCircleMisses) {
    startWave();
    TestInvader* invader = addInvader(50, 100, 100, 6.0);
    session->projectiles.push_back(new LaserProjectile(50, 106, 5));
    session->projectiles.push_back(new LaserProjectile(56, 100, 5));

    session->update(0.0);
    EXPECT_TRUE(invader->damageTaken.empty());

    session->projectiles.push_back(new LaserProjectile(50, 105, 5));
    session->update(0.0);
    EXPECT_EQ(invader->damageTaken, std::vector<int>{5});
}

TEST_F(LaserTest, ASecondBoltFliesOnPastAnInvaderTheFirstKilled) {
    startWave();
    TestInvader* invader = addInvader(50, 100, 5, 6.0);
    session->projectiles.push_back(new LaserProjectile(50, 100, 5));
    session->projectiles.push_back(new LaserProjectile(50, 101, 5));

    session->update(0.0);

    EXPECT_EQ(invader->damageTaken, std::vector<int>{5});
    ASSERT_EQ(session->projectiles.size(), 1u);
    EXPECT_TRUE(session->projectiles.front()->alive);
}
