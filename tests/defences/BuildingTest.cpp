#include "DefencesFixture.h"

#include "defences/Building.h"
#include "defences/LaserTurret.h"
#include "effects/TextEffect.h"
#include "gfx/BitmapFont.h"
#include "gfx/SpritePlayer.h"

#include <allegro.h>

#include <cmath>
#include <limits>

namespace {

// A tower that only counts its shots.
class CountingTower : public Building {
  public:
    explicit CountingTower(float firingPeriod) {
        sheet = DefenceArt::get().towers[0];
        period = firingPeriod;
    }
    void update(double dt) override { runFiringClock(dt); }

    int shots = 0;

  protected:
    void fire() override { ++shots; }
};

// Shots fired in each of a run of equal steps.
std::vector<int> shotsPerStep(CountingTower& tower, double dt, int steps) {
    std::vector<int> shots;
    for (int i = 0; i < steps; ++i) {
        const int before = tower.shots;
        tower.update(dt);
        shots.push_back(tower.shots - before);
    }
    return shots;
}

} // namespace

using FiringClockTest = DefencesTest;

TEST_F(FiringClockTest, FiresOnlyOnceTheTimerIsStrictlyAboveThePeriod) {
    CountingTower tower(0.5f);
    tower.setPosition(100);

    // 0.5 after two steps is not above the period; 0.75 after three is.
    EXPECT_EQ(shotsPerStep(tower, 0.25, 9), (std::vector<int>{0, 0, 1, 0, 1, 0, 1, 0, 1}));
    EXPECT_FLOAT_EQ(tower.timer, 0.25f);
}

TEST_F(FiringClockTest, OneLongStepFiresSeveralTimes) {
    CountingTower tower(0.5f);
    tower.setPosition(100);

    tower.update(1.6);

    EXPECT_EQ(tower.shots, 3);
    EXPECT_NEAR(tower.timer, 0.1f, 1e-6);
}

TEST_F(FiringClockTest, APeriodThatIsNotAPositiveNumberNeverFires) {
    for (float period : {0.0f, -0.5f, std::numeric_limits<float>::quiet_NaN()}) {
        CountingTower tower(period);
        tower.setPosition(100);
        for (int i = 0; i < 10; ++i)
            tower.update(0.25);
        EXPECT_EQ(tower.shots, 0) << "period " << period;
    }
}

TEST_F(FiringClockTest, APeriodBelowTheTimersPrecisionEndsTheStep) {
    CountingTower tower(1e-12f);
    tower.setPosition(100);

    tower.update(1.0);

    EXPECT_EQ(tower.shots, 0);
    EXPECT_LE(tower.timer, 1.0f);
}

TEST_F(FiringClockTest, AnUnplacedTowerNeitherAnimatesNorFires) {
    CountingTower tower(0.5f);
    tower.update(2.0);

    EXPECT_EQ(tower.player, nullptr);
    EXPECT_EQ(tower.shots, 0);
    EXPECT_EQ(tower.timer, 0.0f);
}

using BuildingTest = DefencesTest;

TEST_F(BuildingTest, StandsOnTheGroundLineAndCentresOnTheFrameShownNow) {
    auto tower = place<LaserTurret>(100);
    BITMAP* canvas = create_bitmap(320, 240);
    clear_to_color(canvas, makecol(0, 0, 0));

    tower->draw(canvas);

    // The 16 x 20 resting frame, bottom edge on the baseline.
    const int ink = makecol(200, 40, 40);
    EXPECT_EQ(getpixel(canvas, 100, kBaseline - 20), ink);
    EXPECT_EQ(getpixel(canvas, 115, kBaseline - 1), ink);
    EXPECT_NE(getpixel(canvas, 100, kBaseline - 21), ink);
    EXPECT_NE(getpixel(canvas, 100, kBaseline), ink);
    EXPECT_NE(getpixel(canvas, 116, kBaseline - 1), ink);
    EXPECT_DOUBLE_EQ(tower->centreX(), 108.0);
    EXPECT_DOUBLE_EQ(tower->centreY(), kBaseline - 10.0);

    // The firing animation's frames are 20 x 24.
    tower->player->playThen(2, 0);
    EXPECT_DOUBLE_EQ(tower->centreX(), 110.0);
    EXPECT_DOUBLE_EQ(tower->centreY(), kBaseline - 12.0);
    clear_to_color(canvas, makecol(0, 0, 0));
    tower->draw(canvas);
    EXPECT_EQ(getpixel(canvas, 100, kBaseline - 24), ink);
    EXPECT_EQ(getpixel(canvas, 119, kBaseline - 1), ink);

    destroy_bitmap(canvas);
}

TEST_F(BuildingTest, AnUnplacedTowerDrawsNothing) {
    LaserTurret tower(0);
    BITMAP* canvas = create_bitmap(320, 240);
    clear_to_color(canvas, makecol(0, 0, 0));

    tower.draw(canvas);

    for (int y = 0; y < 240; ++y)
        ASSERT_EQ(getpixel(canvas, 100, y), makecol(0, 0, 0));
    destroy_bitmap(canvas);
}

// The text image a TextEffect shows, compared pixel for pixel with the font's
// own rendering of the expected text.
void expectShowsText(const TextEffect& effect, const BitmapFont& font, const char* text) {
    const int width = font.textWidth(text) + 2;
    ASSERT_EQ(effect.image->w, width);
    BITMAP* expected = create_bitmap(width, effect.image->h);
    clear_to_color(expected, makecol(255, 0, 255));
    font.drawText(expected, 0, 0, text);
    for (int y = 0; y < expected->h; ++y) {
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(getpixel(effect.image, x, y), getpixel(expected, x, y))
                << text << " at " << x << ", " << y;
    }
    destroy_bitmap(expected);
}

TEST_F(BuildingTest, SellingPaysBackHalfThePriceAndShowsIt) {
    session->money = 7;
    auto tower = place<LaserTurret>(100);
    tower->player->playThen(2, 0); // sold mid-shot, on a 20 x 24 frame

    tower->sell();

    EXPECT_EQ(session->money, 7 + 12); // half of 25, rounded down
    const auto texts = effectsOfKind<TextEffect>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->x, 110.0);
    EXPECT_EQ(texts[0]->y, kBaseline - 12.0);
    expectShowsText(*texts[0], *art.font, "+12");
}

TEST_F(BuildingTest, SellingReadsTheTypesPriceNow) {
    auto tower = place<LaserTurret>(100);
    engine.towerDefs[0].value = 0;

    tower->sell();

    EXPECT_EQ(session->money, 0);
    const auto texts = effectsOfKind<TextEffect>();
    ASSERT_EQ(texts.size(), 1u);
    expectShowsText(*texts[0], *art.font, "+0");
}
