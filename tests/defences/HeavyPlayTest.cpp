#include "DefencesFixture.h"

#include "app/Random.h"
#include "defences/LaserTurret.h"
#include "defences/MissileProjectile.h"
#include "defences/MissileTurret.h"
#include "defences/TeslaCoil.h"
#include "game/TowerType.h"
#include "invaders/Wave.h"

#include <cstdlib>

namespace {

// Drifts its invaders down the sky, so that missiles chase moving targets,
// and deletes the dead like any wave.
class SinkingWave : public Wave {
  public:
    void update(double dt) override {
        for (Invader* invader : invaders)
            invader->y += 20 * dt;
        Wave::update(dt);
    }
};

} // namespace

using HeavyPlayTest = DefencesTest;

// Many missiles whose targets die under them in every way the game allows:
// hit by other towers, blown up by splash, killed outside the defences, and
// waves ending while missiles fly. Built with AddressSanitizer, any missile
// that reached a deleted invader would stop this test.
TEST_F(HeavyPlayTest, MissilesNeverReachADeletedInvader) {
    engine.settings.set("Tower1FreqBase", "0.2");
    engine.settings.set("Tower2FreqBase", "0.05");
    engine.settings.set("Tower3FreqBase", "0.1");
    Random::seed(7);
    for (int i = 0; i < 16; ++i) {
        Building* tower = makeBuilding(i % 3);
        tower->game = session;
        tower->setPosition(10 + i * 19);
        session->buildings.push_back(tower);
    }

    int wavesCleared = 0;
    int missilesSeen = 0;
    for (int step = 0; step < 1500; ++step) {
        if (!session->wave) {
            session->wave = new SinkingWave;
            for (int i = 0; i < 30; ++i)
                addInvader(20 + Random::next() % 280, 20 + Random::next() % 120,
                           1 + Random::next() % 300);
            ++wavesCleared;
        }
        // Somebody else's kill, between the defences' own.
        if (Random::next() % 10 == 0 && !session->wave->invaders.empty()) {
            auto it = session->wave->invaders.begin();
            std::advance(it, Random::next() % session->wave->invaders.size());
            (*it)->health = 0;
        }
        session->update(step % 50 == 0 ? 0.4 : 0.02);
        missilesSeen += static_cast<int>(projectilesOfKind<MissileProjectile>().size());
        // Nothing escapes: the sky is deep enough for this test.
        if (session->wave) {
            for (Invader* invader : session->wave->invaders)
                invader->y = std::min(invader->y, 180.0);
        }
    }

    EXPECT_GT(wavesCleared, 5);
    EXPECT_GT(missilesSeen, 10000);
}
