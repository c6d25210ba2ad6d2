#include "invaders/SquibbleWave.h"
#include "gfx/SpritePlayer.h"
#include "invaders/BossWave.h"
#include "invaders/Dartling.h"
#include "invaders/SessionScope.h"
#include "invaders/Squibble.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kRight = 0, kDownAtRight = 1, kLeft = 2, kDownAtLeft = 3;

struct Place {
    double x, y;
    bool operator==(const Place& other) const { return x == other.x && y == other.y; }
};

std::ostream& operator<<(std::ostream& out, const Place& place) {
    return out << "(" << place.x << ", " << place.y << ")";
}

std::vector<Place> places(const Wave& wave) {
    std::vector<Place> result;
    for (const Invader* invader : wave.invaders)
        result.push_back({invader->x, invader->y});
    return result;
}

// A row of n cells 20 apart from x at height y.
std::vector<Place> row(int n, double x, double y) {
    std::vector<Place> result;
    for (int i = 0; i < n; ++i)
        result.push_back({x + 20 * i, y});
    return result;
}

std::vector<Place> rows(std::initializer_list<std::vector<Place>> parts) {
    std::vector<Place> result;
    for (const auto& part : parts)
        result.insert(result.end(), part.begin(), part.end());
    return result;
}

void step(SquibbleWave& wave, int times, double dt) {
    for (int i = 0; i < times; ++i)
        wave.update(dt);
}

} // namespace

TEST(SquibbleWaveTest, FormsCentredRowsOfTwelveAboveThePlayfield) {
    SessionScope scope;
    SquibbleWave sixteen(16, &scope.session);
    EXPECT_EQ(places(sixteen), rows({row(12, 30, -36), row(4, 110, -20)}));
    for (const Invader* invader : sixteen.invaders)
        EXPECT_EQ(invader->wave, &sixteen);

    SquibbleWave twentyFour(24, &scope.session);
    EXPECT_EQ(places(twentyFour), rows({row(12, 30, -36), row(12, 30, -20)}));

    SquibbleWave forty(40, &scope.session);
    EXPECT_EQ(places(forty),
              rows({row(12, 30, -68), row(12, 30, -52), row(12, 30, -36), row(4, 110, -20)}));

    SquibbleWave three(3, &scope.session);
    EXPECT_EQ(places(three), row(3, 120, -20));
    EXPECT_EQ(three.march, kDownAtLeft);
    EXPECT_EQ(three.descended, 0.0);
}

TEST(SquibbleWaveTest, EachWaveIsFasterUpToTheCap) {
    SessionScope scope;
    const double expected[] = {10, 12, 14, 15, 15, 15};
    for (int wave = 1; wave <= 6; ++wave) {
        scope.session.waveNumber = wave;
        EXPECT_EQ(SquibbleWave(1, &scope.session).speed, expected[wave - 1]) << "wave " << wave;
    }

    // A missing cap reads as 0 and holds every wave where it formed.
    scope.setSpeeds("10", "2", "");
    SquibbleWave held(16, &scope.session);
    EXPECT_EQ(held.speed, 0.0);
    const auto before = places(held);
    step(held, 10, 0.5);
    EXPECT_EQ(places(held), before);
    EXPECT_EQ(held.march, kDownAtLeft);
}

TEST(SquibbleWaveTest, MarchesDownRightDownLeftAndDropsTheOvershoot) {
    SessionScope scope;
    SquibbleWave wave(16, &scope.session); // 10 pixels per second: 5 per half-second step
    ASSERT_EQ(wave.speed, 10.0);

    // Down 16 into sight: the fourth step reaches 20 and turns right.
    step(wave, 3, 0.5);
    EXPECT_EQ(wave.march, kDownAtLeft);
    EXPECT_EQ(wave.descended, 15.0);
    step(wave, 1, 0.5);
    EXPECT_EQ(wave.march, kRight);
    EXPECT_EQ(wave.descended, 0.0);
    EXPECT_EQ(wave.invaders.front()->y, -16.0);

    // Right until the rightmost, from 250, is past 295.
    step(wave, 9, 0.5);
    EXPECT_EQ(wave.march, kRight);
    EXPECT_EQ(wave.invaders.front()->x, 75.0);
    step(wave, 1, 0.5);
    EXPECT_EQ(wave.march, kDownAtRight);

    // The 4 pixels too far of the first descent do not shorten this one.
    step(wave, 3, 0.5);
    EXPECT_EQ(wave.march, kDownAtRight);
    step(wave, 1, 0.5);
    EXPECT_EQ(wave.march, kLeft);
    EXPECT_EQ(wave.invaders.front()->y, 4.0);

    // Left until the leftmost, from 80, is at 8 or less.
    step(wave, 14, 0.5);
    EXPECT_EQ(wave.march, kLeft);
    step(wave, 1, 0.5);
    EXPECT_EQ(wave.march, kDownAtLeft);
    EXPECT_EQ(wave.invaders.front()->x, 5.0);

    step(wave, 4, 0.5);
    EXPECT_EQ(wave.march, kRight);
    EXPECT_EQ(wave.invaders.front()->y, 24.0);
    EXPECT_EQ(wave.invaders.size(), 16u);
}

TEST(SquibbleWaveTest, TheDeadStillCountForTheTurnsUntilRemoved) {
    SessionScope scope;
    SquibbleWave wave(2, &scope.session);
    wave.march = kRight;
    wave.invaders.front()->x = 297.0; // dead, but the rightmost
    wave.invaders.front()->health = 0;
    wave.invaders.back()->x = 100.0;
    wave.update(0.1);
    EXPECT_EQ(wave.march, kDownAtRight);
    ASSERT_EQ(wave.invaders.size(), 1u);
    EXPECT_EQ(wave.invaders.front()->x, 101.0);
}

TEST(SquibbleWaveTest, ReachingTheBottomLineCostsAHealthPoint) {
    SessionScope scope;
    SquibbleWave wave(2, &scope.session);
    Invader* escaping = wave.invaders.front();
    Invader* short_ = wave.invaders.back();
    escaping->x = 140.0;
    escaping->y = 185.0;
    short_->x = 200.0;
    short_->y = 184.75;
    wave.update(0.5); // down 5: to 190 exactly, and to 189.75

    EXPECT_EQ(scope.session.health, 19);
    EXPECT_EQ(scope.session.money, 100);
    ASSERT_EQ(wave.invaders.size(), 1u);
    EXPECT_EQ(wave.invaders.front(), short_);

    // A poof, then "-1" in red, at the centre (140 + 7, 190 + 6).
    scope.expectPoofAndText(147, 196, makecol(250, 0, 0));
}

// Each kind whose first wave has come takes its share of the block's places,
// spread through it from the front row; without the keys, every place is a
// squibble's, as it always was.
TEST(SquibbleWaveTest, KindsTakeTheirShareOfPlacesFromTheirFirstWave) {
    SessionScope scope;
    const auto countOf = [](const std::vector<int>& kinds, int kind) {
        return std::count(kinds.begin(), kinds.end(), kind);
    };
    EXPECT_EQ(SquibbleWave::kindsOfPlaces(30, 8), std::vector<int>(30, 0));

    scope.kindLike(1, 2).firstWave = 5;
    scope.engine.invaderDefs[1].share = 0.25;
    scope.kindLike(2, 2).firstWave = 7;
    scope.engine.invaderDefs[2].share = 0.5;
    const struct {
        int count, wave, shellbacks, dartlings;
    } cases[] = {{30, 4, 0, 0}, {30, 5, 8, 0}, {30, 7, 8, 15}, {16, 9, 4, 8}, {2, 9, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " in wave " << c.wave);
        const std::vector<int> kinds = SquibbleWave::kindsOfPlaces(c.count, c.wave);
        ASSERT_EQ(kinds.size(), static_cast<size_t>(c.count));
        EXPECT_EQ(countOf(kinds, 1), c.shellbacks);
        EXPECT_EQ(countOf(kinds, 2), c.dartlings);
        EXPECT_EQ(countOf(kinds, 0), c.count - c.shellbacks - c.dartlings);
    }
    // Spread, not bunched: the front row of 12 holds its share of shellbacks.
    const std::vector<int> kinds = SquibbleWave::kindsOfPlaces(24, 5);
    EXPECT_EQ(std::count(kinds.begin() + 12, kinds.end(), 1), 3);

    scope.session.waveNumber = 5;
    SquibbleWave wave(24, &scope.session);
    int place = 0;
    for (const Invader* invader : wave.invaders)
        EXPECT_EQ(invader->kind, kinds[place++]);
}

// A boss marches as the block does, but turns when its own right side passes
// where a squibble's would, and gets through when its feet reach where a
// squibble's do; it costs its own price in health. A dartling that has left
// the block neither moves with it nor turns it, and gets through as a
// squibble does.
TEST(SquibbleWaveTest, ABossAndADiverTurnAndGetThroughByThemselves) {
    SessionScope scope;
    const auto big =
        testart::stripSheet(34, 22, 1, {{4.0f, {0}}, {4.0f, {0}}, {4.0f, {0}}, {4.0f, {0}}});
    InvaderDef& bossDef = scope.kindLike(3, 40);
    bossDef.sprite = big.get();
    bossDef.speed = 10.0;
    bossDef.escapeCost = 5;

    BossWave boss(3, &scope.session);
    ASSERT_EQ(boss.invaders.size(), 1u);
    Invader* broodmother = boss.invaders.front();
    EXPECT_EQ(broodmother->x, 150 - 34 / 2);
    EXPECT_EQ(boss.speed, 10.0);
    step(boss, 16, 0.1); // the first step down
    EXPECT_EQ(boss.march, kRight);
    broodmother->x = 276.5; // its right side at 310, as a squibble's at 296 + 14
    boss.update(0.0);
    EXPECT_EQ(boss.march, kDownAtRight);

    broodmother->y = 180.0 - 0.5; // its feet 0.5 above where a squibble's get through
    boss.update(0.0);
    EXPECT_EQ(scope.session.health, 20);
    boss.update(0.05);
    EXPECT_EQ(scope.session.health, 15);
    EXPECT_EQ(scope.session.escapes[3], 1);
    EXPECT_TRUE(boss.invaders.empty());

    InvaderDef& diverDef = scope.kindLike(2, 2);
    diverDef.speed = 100.0;
    SquibbleWave block(2, &scope.session);
    auto* diver = new Dartling(2);
    diver->wave = &block;
    diver->diving = true;
    diver->x = 300.0;
    diver->y = 150.0;
    block.invaders.push_back(diver);
    block.update(0.1);
    EXPECT_EQ(block.march, kDownAtLeft) << "the diver far right does not turn the block";
    EXPECT_EQ(diver->x, 300.0);
    EXPECT_DOUBLE_EQ(diver->y, 160.0);
    block.update(0.3);
    EXPECT_EQ(scope.session.health, 14);
    EXPECT_EQ(scope.session.escapes[2], 1);
    EXPECT_EQ(block.invaders.size(), 2u);
}

TEST(SquibbleWaveTest, TwoEscapesInOneStepCostTwoPoints) {
    SessionScope scope;
    scope.session.health = 1;
    SquibbleWave wave(2, &scope.session);
    for (Invader* invader : wave.invaders)
        invader->y = 195.0;
    wave.update(0.0);
    EXPECT_EQ(scope.session.health, -1);
    EXPECT_TRUE(wave.invaders.empty());
    EXPECT_EQ(scope.session.effects.size(), 4u);
}

TEST(SquibbleWaveTest, AKilledSquibbleIsNotCountedAtTheBottom) {
    SessionScope scope;
    SquibbleWave wave(1, &scope.session);
    Invader* killed = wave.invaders.front();
    killed->y = 200.0;
    killed->damage(1000);
    const auto afterKill = scope.session.effects.size();
    wave.update(0.1);
    EXPECT_EQ(scope.session.health, 20);
    EXPECT_EQ(scope.session.money, 107);
    EXPECT_EQ(scope.session.effects.size(), afterKill);
    EXPECT_TRUE(wave.invaders.empty());
}

TEST(SquibbleWaveTest, TheWaveStandsStillOnceTheGameIsOver) {
    SessionScope scope;
    SquibbleWave wave(16, &scope.session);
    wave.invaders.front()->health = 0;
    wave.invaders.back()->y = 300.0;
    scope.session.gameOver = true;
    const auto before = places(wave);

    step(wave, 5, 0.5);
    EXPECT_EQ(places(wave), before);
    EXPECT_EQ(wave.invaders.size(), 16u);
    EXPECT_EQ(wave.march, kDownAtLeft);
    EXPECT_EQ(wave.descended, 0.0);
    EXPECT_EQ(scope.session.health, 20);
    // Still animated: each squibble's player has moved on.
    EXPECT_GT(wave.invaders.back()->player->time, 0.0f);
}

namespace {

// Counts its own deletions.
class CountedInvader : public Invader {
  public:
    explicit CountedInvader(int& deleted) : deleted(deleted) { health = 1; }
    ~CountedInvader() override { ++deleted; }
    void update(double) override {}
    void draw(BITMAP*) override {}
    void damage(int amount) override { health -= amount; }

  private:
    int& deleted;
};

} // namespace

TEST(WaveTest, RemovesTheDeadInOrderAndDeletesTheRestWithItself) {
    int deleted = 0;
    std::vector<Invader*> made;
    {
        Wave wave;
        for (int i = 0; i < 5; ++i) {
            made.push_back(new CountedInvader(deleted));
            wave.invaders.push_back(made.back());
        }
        made[0]->health = 0;
        made[2]->health = -1;
        made[4]->health = -7;
        wave.update(0.1);
        EXPECT_EQ(deleted, 3);
        EXPECT_EQ(std::vector<Invader*>(wave.invaders.begin(), wave.invaders.end()),
                  (std::vector<Invader*>{made[1], made[3]}));
    }
    EXPECT_EQ(deleted, 5);
}
