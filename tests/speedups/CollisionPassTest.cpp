// The collision pass measures each hit circle once per pass instead of once
// per pair. Two scenes built alike from one seed, one put through the pass and
// one through the pass as it was first written, must end alike: the same
// hits in the same order, the same healths, frames, deaths, money, effects
// and random numbers.

#include "FirstCollisionPass.h"
#include "RealGame.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "defences/LaserProjectile.h"
#include "defences/MissileProjectile.h"
#include "effects/SimpleEffect.h"
#include "game/GameSession.h"
#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"
#include "support/Headless.h"
#include "support/PackedBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

// (projectile, invader), both as places in their lists.
using Hits = std::vector<std::pair<int, int>>;

// Survives its hits, so that it goes on through the whole wave, takes a
// point of health at each and notes whom it hit.
class Probe : public Projectile {
  public:
    Probe(int x, int y, int index, Hits& hits, const std::map<const Invader*, int>& places)
        : Projectile(x, y), index(index), hits(hits), places(places) {}
    void update(double) override {}
    void draw(BITMAP*) override {}
    void hit(Invader* invader) override {
        hits.push_back({index, places.at(invader)});
        invader->damage(1);
    }

  private:
    int index;
    Hits& hits;
    const std::map<const Invader*, int>& places;
};

// How a scene ended, as numbers to compare.
struct Outcome {
    Hits hits;
    std::vector<double> numbers;
};

constexpr int kWaveNumber = 30;
constexpr double kWaveInSight = 150.0;
constexpr int kProjectiles = 150;

// Wave 30's block in sight, some squibbles hurt or dead, and bolts, missiles
// and probes strewn over it; then one pass, from the same random numbers.
Outcome runScene(unsigned seed, bool asFirstWritten) {
    Outcome outcome;
    std::map<const Invader*, int> places;
    {
        GameSession session;
        session.waveNumber = kWaveNumber;
        session.wave = new SquibbleWave(2 * kWaveNumber + 14, &session);

        Random::seed(seed);
        for (Invader* invader : session.wave->invaders) {
            places[invader] = static_cast<int>(places.size());
            invader->y += kWaveInSight;
            switch (Random::next() % 6) {
            case 0:
                invader->health = 0;
                break;
            case 1:
                invader->damage(invader->health - 1 - Random::next() % 3);
                break;
            default:
                break;
            }
        }
        for (int i = 0; i < kProjectiles; ++i) {
            const int x = Random::next() % 330 - 5;
            const int y = Random::next() % 110 + 40;
            switch (Random::next() % 3) {
            case 0:
                session.projectiles.push_back(new LaserProjectile(x, y, Random::next() % 40 + 1));
                break;
            case 1:
                session.projectiles.push_back(new MissileProjectile(
                    &session, x, y, Random::next() % 20, Random::next() % 10, 12.0));
                break;
            default:
                session.projectiles.push_back(new Probe(x, y, i, outcome.hits, places));
                break;
            }
        }

        Random::seed(seed + 1);
        if (asFirstWritten)
            collideAsFirstWritten(session);
        else
            session.collide();

        std::vector<double>& numbers = outcome.numbers;
        for (const Invader* invader : session.wave->invaders) {
            numbers.insert(numbers.end(), {static_cast<double>(invader->health),
                                           static_cast<double>(invader->player->animation),
                                           static_cast<double>(invader->player->queue.size())});
        }
        for (const Projectile* projectile : session.projectiles)
            numbers.push_back(projectile->alive);
        numbers.push_back(session.money);
        numbers.push_back(static_cast<double>(session.effects.size()));
        for (const Effect* effect : session.effects) {
            if (const auto* simple = dynamic_cast<const SimpleEffect*>(effect))
                numbers.insert(numbers.end(), {simple->x, simple->y, simple->delay});
        }
        numbers.push_back(Random::next());
    }
    return outcome;
}

void expectTheSamePass(unsigned seed) {
    SCOPED_TRACE(seed);
    const Outcome fast = runScene(seed, false);
    const Outcome first = runScene(seed, true);
    EXPECT_EQ(fast.hits, first.hits);
    EXPECT_EQ(fast.numbers, first.numbers);
    EXPECT_FALSE(first.hits.empty());
}

// Frames of three sizes, so that a hit moves the centre of the circle: resting
// 14 x 12, hit 22 x 18, hurt 8 x 6.
std::unique_ptr<SpriteSheet> framesThatChangeSize() {
    const std::vector<SheetFrame> frames = {{0, 0, 14, 12}, {14, 0, 22, 18}, {36, 0, 8, 6}};
    const std::vector<SheetAnimation> animations = {
        {4.0f, {0}}, {8.0f, {1}}, {4.0f, {2}}, {8.0f, {1, 2}}};
    const std::string path = makeTempFolder() + "/changing.sz";
    writeGzipFile(path, sheetBytes(solidImageBytes(44, 18, {200, 100, 50}), frames, animations));
    return std::make_unique<SpriteSheet>(path);
}

} // namespace

TEST(CollisionPass, HitsAsTheFirstPassDidOnTheRealData) {
    ASSERT_TRUE(loadRealGame()) << "run from the repository root";
    for (unsigned seed = 1; seed <= 12; ++seed)
        expectTheSamePass(seed);
}

TEST(CollisionPass, HitsAsTheFirstPassDidWhenHitsChangeTheFrameSize) {
    ASSERT_TRUE(loadRealGame()) << "run from the repository root";
    const std::unique_ptr<SpriteSheet> changing = framesThatChangeSize();
    InvaderDef& def = Engine::instance().invaderDefs[0];
    SpriteSheet* const shipped = def.sprite;
    def.sprite = changing.get();
    for (unsigned seed = 1; seed <= 12; ++seed)
        expectTheSamePass(seed);
    def.sprite = shipped;
}
