#include "DefencesFixture.h"

#include "defences/TeslaCoil.h"
#include "effects/SparkEffect.h"
#include "gfx/SpritePlayer.h"

#include <allegro.h>

class TeslaTest : public DefencesTest {
  protected:
    // A coil whose emitter stands at (100, 182): its 24 x 20 frame's centre
    // is (100, 190), and the emitter 8 pixels above.
    std::unique_ptr<TeslaCoil> coil() { return place<TeslaCoil>(88); }
};

TEST_F(TeslaTest, StrikesAnInvaderRightAtTheEdgeOfItsRange) {
    auto tesla = coil();
    startWave();
    TestInvader* edge = addInvader(124, 150); // 24 across, 32 up: exactly 40
    EXPECT_EQ(tesla->pickTarget(), edge);

    edge->y -= 1; // 40.8 away
    EXPECT_EQ(tesla->pickTarget(), nullptr);

    // On the 28 x 24 frame the emitter, and the range with it, is at (102, 180).
    tesla->player->time = 0.15f;
    edge->x += 2;
    edge->y -= 1;
    EXPECT_EQ(tesla->pickTarget(), edge);
}

TEST_F(TeslaTest, EachStrikeChoosesAfreshAmongTheInvadersInRangeWhateverTheirHealth) {
    auto tesla = coil();
    startWave();
    TestInvader* dying = addInvader(100, 175, 0);
    TestInvader* far = addInvader(70, 160, 100); // 37 away
    // Its hit circle reaches well into the range, but its centre is 42 away.
    TestInvader* outside = addInvader(142, 182, 100, 20.0);

    tesla->update(250.05); // a thousand strikes in one step

    EXPECT_EQ(dying->damageTaken.size() + far->damageTaken.size(), 1000u);
    EXPECT_GT(dying->damageTaken.size(), 400u);
    EXPECT_GT(far->damageTaken.size(), 400u);
    EXPECT_TRUE(outside->damageTaken.empty());
}

TEST_F(TeslaTest, ReadsItsDamageAsARealCutToAWholeNumber) {
    const std::pair<const char*, int> cases[] = {{"7.9", 7}, {"1e2", 100}, {"-2.5", -2}, {"", 0}};
    for (const auto& [text, damage] : cases) {
        engine.settings.set("Tower3DamageBase", text);
        EXPECT_EQ(TeslaCoil(2).damage, damage) << '"' << text << '"';
    }
}

TEST_F(TeslaTest, StrikesOncePerPeriodWithTheSparkFromEmitterToCentre) {
    auto tesla = coil();
    startWave();
    TestInvader* invader = addInvader(110, 150);
    invader->flinches = true;

    tesla->update(0.95); // three periods of 0.25, ending on the 28 x 24 frame

    EXPECT_EQ(invader->damageTaken, (std::vector<int>{7, 7, 7}));
    const auto sparks = effectsOfKind<SparkEffect>();
    ASSERT_EQ(sparks.size(), 3u);
    for (SparkEffect* spark : sparks) {
        // From 8 above the centre of the frame the coil shows, (102, 180), to
        // the centre of the 18 x 16 frame the hit shows, (112, 152), with a
        // margin of 4 pixels.
        EXPECT_EQ(spark->x, 98.0);
        EXPECT_EQ(spark->y, 148.0);
        EXPECT_EQ(spark->image->w, 18);
        EXPECT_EQ(spark->image->h, 36);
    }
}

TEST_F(TeslaTest, WithNoWaveItsClockRunsOnWithoutStrikes) {
    auto tesla = coil();
    for (int i = 0; i < 3; ++i)
        tesla->update(0.1);

    EXPECT_TRUE(session->effects.empty());
    EXPECT_NEAR(tesla->timer, 0.05f, 1e-6); // one period spent
}
