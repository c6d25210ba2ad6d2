#include "HeavyScene.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "defences/Building.h"
#include "defences/LaserProjectile.h"
#include "defences/MissileProjectile.h"
#include "effects/SimpleEffect.h"
#include "effects/SparkEffect.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "game/TowerType.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"

#include <algorithm>
#include <cstdio>
#include <list>

namespace {

constexpr int kWaveNumber = 30;
constexpr int kInvaders = 2 * kWaveNumber + 14;
constexpr int kTowers = 20;
constexpr int kTowerSpacing = 16;
constexpr int kProjectiles = 200;
constexpr int kEffects = 400;
// Formed above the playfield the block would cost next to nothing to draw:
// its last row is brought down to here, and a block too deep to stand in sight
// at the wave's own row spacing is squeezed into the same depth.
constexpr double kLastRowInSight = 130.0;
constexpr int kRowLength = 12;
constexpr double kRowSpacing = 16.0;
constexpr double kSightDepth = 140.0;
// Effects stay for the whole scene, whatever their own lifetime.
constexpr double kSceneLifetime = 1e9;

template <typename T> void deleteAll(std::list<T*>& list) {
    for (T* item : list)
        delete item;
    list.clear();
}

Effect* makeEffect(int i) {
    const Engine& engine = Engine::instance();
    const int x = (i * 37) % 300 + 10;
    const int y = (i * 53) % 180 + 10;
    switch (i % 5) {
    case 0:
        return new SimpleEffect(x, y, engine.explosionSmallSheet, 0.0);
    case 1:
        return new SimpleEffect(x, y, engine.puff2Sheet, 0.0);
    case 2:
        return new SimpleEffect(x, y, engine.poofSheet, 0.0);
    case 3: {
        char bounty[16];
        std::snprintf(bounty, sizeof bounty, "+%d", i % 50);
        return new TextEffect(x, y, engine.fontSmall, bounty);
    }
    default:
        return new SparkEffect(x, engine.towerBaseline - 20, (x + 40) % 320, y);
    }
}

} // namespace

// Wave 30 in sight, the towers with their clocks out of step, half the
// projectiles bolts and half missiles chasing random squibbles, and the
// effects.
void buildHeavyScene(GameSession* session, double scale) {
    Random::seed(1);
    deleteAll(session->projectiles);
    deleteAll(session->effects);
    deleteAll(session->buildings);
    delete session->wave;

    const int invaders = static_cast<int>(kInvaders * scale);
    const int projectiles = static_cast<int>(kProjectiles * scale);
    const int effects = static_cast<int>(kEffects * scale);

    session->waveNumber = kWaveNumber;
    session->wave = new SquibbleWave(invaders, session);
    const int lastRow = (invaders - 1) / kRowLength;
    const double spacing = lastRow > 0 ? std::min(kRowSpacing, kSightDepth / lastRow) : kRowSpacing;
    int place = 0;
    for (Invader* invader : session->wave->invaders)
        invader->y = kLastRowInSight - (lastRow - place++ / kRowLength) * spacing;

    for (int i = 0; i < kTowers; ++i) {
        Building* tower = makeBuilding(i % 3);
        tower->game = session;
        tower->setPosition(4 + i * kTowerSpacing);
        tower->timer = tower->period * i / kTowers;
        session->buildings.push_back(tower);
    }

    const int baseline = Engine::instance().towerBaseline;
    for (int i = 0; i < projectiles; ++i) {
        const int x = (i * 41) % 310 + 5;
        const int y = baseline - 20 - (i * 23) % 150;
        if (i % 2) {
            session->projectiles.push_back(new LaserProjectile(x, y, 4));
            continue;
        }
        auto* missile = new MissileProjectile(session, x, y, 8, 6, 16.0);
        missile->acquireTarget();
        missile->heading = (i % 16) * 0.3926990816987241;
        missile->age = 0.3;
        session->projectiles.push_back(missile);
    }

    for (int i = 0; i < effects; ++i) {
        Effect* effect = makeEffect(i);
        effect->lifetime = kSceneLifetime;
        session->effects.push_back(effect);
    }
}
