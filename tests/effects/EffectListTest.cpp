#include "effects/BounceTextEffect.h"
#include "effects/SimpleEffect.h"
#include "effects/SparkEffect.h"
#include "effects/TextEffect.h"
#include "game/SessionFixture.h"
#include "gfx/SpriteSheet.h"

#include <limits>

// The real kinds in the session's list: each goes in the step its age reaches
// its lifetime, or at once when either is not a number.
class EffectListTest : public SessionTest {
  protected:
    void SetUp() override {
        SessionTest::SetUp();
        session->waveTimer = 1e9; // no wave in the way
    }
};

TEST_F(EffectListTest, EachKindGoesInTheStepItsLifetimeIsReached) {
    const SpriteSheet missing("no/such/sheet.sz");
    auto* text = new TextEffect(100, 50, engine.fontSmall, "+5");
    auto* instant = new SimpleEffect(10, 10, &missing, 0.0);
    auto* spark = new SparkEffect(10, 50, 40, 20);
    session->effects = {static_cast<Effect*>(text), instant, spark};

    session->update(0.0);
    EXPECT_EQ(session->effects, (std::list<Effect*>{text, spark}));
    session->update(0.25);
    EXPECT_EQ(session->effects, (std::list<Effect*>{text}));
    session->update(0.25);
    session->update(0.25);
    EXPECT_EQ(session->effects.size(), 1u);
    session->update(0.25);
    EXPECT_TRUE(session->effects.empty());
}

TEST_F(EffectListTest, AnEffectWhoseNumbersAreNotNumbersGoesAtOnce) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto* lostAge = new TextEffect(100, 50, engine.fontSmall, "+5");
    lostAge->age = nan;
    auto* lostLifetime = new BounceTextEffect(160, 80, engine.fontMain, "Wave 1");
    lostLifetime->lifetime = nan;
    auto* fine = new TextEffect(100, 50, engine.fontSmall, "+5");
    session->effects = {static_cast<Effect*>(lostAge), lostLifetime, fine};

    // Even drawn before it goes, a title of no age draws nothing.
    lostLifetime->age = nan;
    lostLifetime->draw(engine.canvas->bitmap);

    session->update(0.1);
    EXPECT_EQ(session->effects, (std::list<Effect*>{fine}));
}

TEST_F(EffectListTest, EffectsGoOnAfterTheGameIsOver) {
    session->health = 0;
    session->update(0.0);
    ASSERT_TRUE(session->gameOver);

    auto* text = new TextEffect(100, 50, engine.fontSmall, "-1");
    session->effects.push_back(text);
    session->update(0.5);
    EXPECT_DOUBLE_EQ(text->x, 108.0);
    EXPECT_DOUBLE_EQ(text->y, 42.0);
    session->update(0.5);
    EXPECT_TRUE(session->effects.empty());
}
