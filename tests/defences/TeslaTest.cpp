#include "DefencesFixture.h"

#include "defences/TeslaCoil.h"
#include "effects/SparkEffect.h"

#include <allegro.h>

#include <map>

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
}

TEST_F(TeslaTest, ChoosesEvenlyAmongTheInvadersInRangeOnly) {
    auto tesla = coil();
    startWave();
    TestInvader* near = addInvader(100, 175, 1);
    TestInvader* far = addInvader(70, 160, 100); // 37 away, healthy or not
    // Its hit circle reaches well into the range, but its centre is 42 away.
    addInvader(142, 182, 100, 20.0);

    std::map<Invader*, int> picks;
    for (int i = 0; i < 1000; ++i)
        ++picks[tesla->pickTarget()];

    EXPECT_EQ(picks.size(), 2u);
    EXPECT_GT(picks[near], 400);
    EXPECT_GT(picks[far], 400);
}

TEST_F(TeslaTest, ReadsItsDamageAsARealCutToAWholeNumber) {
    const std::pair<const char*, int> cases[] = {{"7.9", 7}, {"1e2", 100}, {"-2.5", -2}, {"", 0}};
    for (const auto& [text, damage] : cases) {
        engine.settings.set("Tower3DamageBase", text);
        EXPECT_EQ(TeslaCoil().damage, damage) << '"' << text << '"';
    }
}

TEST_F(TeslaTest, StrikesOncePerPeriodWithTheSparkFromEmitterToCentre) {
    auto tesla = coil();
    startWave();
    TestInvader* invader = addInvader(110, 150);

    tesla->update(0.8); // three periods of 0.25

    EXPECT_EQ(invader->damageTaken, (std::vector<int>{7, 7, 7}));
    const auto sparks = effectsOfKind<SparkEffect>();
    ASSERT_EQ(sparks.size(), 3u);
    for (SparkEffect* spark : sparks) {
        // From (100, 182) to (110, 150), with a margin of 4 pixels.
        EXPECT_EQ(spark->x, 96.0);
        EXPECT_EQ(spark->y, 146.0);
        EXPECT_EQ(spark->image->w, 18);
        EXPECT_EQ(spark->image->h, 40);
    }
}

TEST_F(TeslaTest, WithNoWaveItsClockRunsOnWithoutStrikes) {
    auto tesla = coil();
    for (int i = 0; i < 20; ++i)
        tesla->update(0.1);

    EXPECT_TRUE(session->effects.empty());
    EXPECT_GE(tesla->timer, 0.0f);
    EXPECT_LE(tesla->timer, tesla->period);
}
