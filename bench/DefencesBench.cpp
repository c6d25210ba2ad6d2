// The heaviest frames the defences make: wave 30's block of 74 squibbles in
// sight, 20 towers of all three types firing, 200 bolts and missiles in flight
// and 400 effects, both in play and under the game-over screen. Each reports
// its cost as a multiple of a bare frame measured in the same run
// ("xBareFrame"), and its update and its drawing apart ("updateXBare",
// "drawXBare"), from the best time of each frame of its scene; "frame_us" is
// the mean. defencesGrowth scales the
// scene's squibbles, projectiles and effects by k = 1/4 to 8 (the argument is 4k), keeping the 20
// towers, to show how the cost grows. Runs on the real data/, so start from the repository root:
//   build/bench/bench_groundline --benchmark_filter='defences|bareFrame'

#define ALLEGRO_NO_MAGIC_MAIN

#include "GameData.h"
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

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>

namespace {

constexpr double kFrameTime = 1.0 / 60.0;
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
// Bolts leave and missiles hit within a second, so the scene is made afresh
// this often to keep the counts near their marks.
constexpr int kFramesPerScene = 20;
// Effects stay for the whole scene, whatever their own lifetime.
constexpr double kSceneLifetime = 1e9;

// Seconds for the least a frame can do, clearing the canvas and copying the
// background: the best of many batches, measured once per run.
double bareFrameSeconds() {
    static const double seconds = [] {
        using Clock = std::chrono::steady_clock;
        const Engine& engine = Engine::instance();
        BITMAP* canvas = engine.canvas->bitmap;
        // Batches about as long as a heavy scene, short enough that some
        // run through without the machine taking the processor away.
        constexpr int kBatches = 200;
        constexpr int kFramesPerBatch = 50;
        double best = 1e9;
        for (int batch = 0; batch < kBatches; ++batch) {
            const Clock::time_point start = Clock::now();
            for (int i = 0; i < kFramesPerBatch; ++i) {
                clear_bitmap(canvas);
                blit(engine.background, canvas, 0, 0, 0, 0, 320, 240);
                benchmark::ClobberMemory();
            }
            const std::chrono::duration<double> elapsed = Clock::now() - start;
            best = std::min(best, elapsed.count() / kFramesPerBatch);
        }
        return best;
    }();
    return seconds;
}

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

// Wave 30 in sight, the towers with their clocks out of step, half the
// projectiles bolts and half missiles chasing random squibbles, and the
// effects; every count but the towers' scaled by `scale`.
void buildScene(GameSession* session, double scale) {
    Random::seed(1);
    deleteAll(session->projectiles);
    deleteAll(session->effects);
    deleteAll(session->buildings);
    delete session->wave;

    const int invaders = static_cast<int>(kInvaders * scale);
    const int projectiles = static_cast<int>(kProjectiles * scale);
    const int effects = static_cast<int>(kEffects * scale);

    session->waveNumber = kWaveNumber;
    session->wave = new SquibbleWave(invaders);
    const int lastRow = (invaders - 1) / kRowLength;
    const double spacing = lastRow > 0 ? std::min(kRowSpacing, kSightDepth / lastRow) : kRowSpacing;
    int place = 0;
    for (Invader* invader : session->wave->invaders)
        invader->y = kLastRowInSight - (lastRow - place++ / kRowLength) * spacing;

    for (int i = 0; i < kTowers; ++i) {
        Building* tower = makeBuilding(i % 3);
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
        auto* missile = new MissileProjectile(x, y, 8, 6, 16.0);
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

void runScene(benchmark::State& state, bool gameOver, double scale) {
    if (!haveGameData(state))
        return;
    const double bare = bareFrameSeconds();
    GameSession* session = new GameSession;
    Engine::instance().setSession(session);
    session->start();
    session->health = 1000000;
    session->waveTimer = -1.0;
    buildScene(session, scale);
    if (gameOver)
        session->endGame();

    // The frames are timed here as well, on the same clock as the bare frame.
    // A scene's frames differ, so the ratios add up the best time of each
    // frame of the scene over all scenes, as the bare frame takes its best
    // batch: a busy machine disturbs the best times least.
    using Clock = std::chrono::steady_clock;
    Clock::duration total{};
    Clock::duration bestUpdate[kFramesPerScene];
    Clock::duration bestDraw[kFramesPerScene];
    std::fill_n(bestUpdate, kFramesPerScene, Clock::duration::max() / 2);
    std::fill_n(bestDraw, kFramesPerScene, Clock::duration::max() / 2);
    int frame = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        session->update(kFrameTime);
        const Clock::time_point updated = Clock::now();
        session->draw();
        const Clock::duration drawn = Clock::now() - updated;
        const Clock::duration update = updated - start;
        total += update + drawn;
        if (update + drawn < bestUpdate[frame] + bestDraw[frame]) {
            bestUpdate[frame] = update;
            bestDraw[frame] = drawn;
        }
        if (++frame == kFramesPerScene) {
            state.PauseTiming();
            buildScene(session, scale);
            frame = 0;
            state.ResumeTiming();
        }
    }
    if (state.iterations() < kFramesPerScene)
        return;
    const auto perFrame = [](const Clock::duration* best) {
        return std::chrono::duration<double>(
                   std::accumulate(best, best + kFramesPerScene, Clock::duration::zero()))
                   .count() /
               kFramesPerScene;
    };
    const double update = perFrame(bestUpdate);
    const double draw = perFrame(bestDraw);
    state.counters["frame_us"] = std::chrono::duration<double>(total).count() /
                                 static_cast<double>(state.iterations()) * 1e6;
    state.counters["bareFrame_us"] = bare * 1e6;
    state.counters["xBareFrame"] = (update + draw) / bare;
    state.counters["updateXBare"] = update / bare;
    state.counters["drawXBare"] = draw / bare;

    Engine::instance().setSession(nullptr);
    delete session;
}

} // namespace

void defencesHeavyFrame(benchmark::State& state) {
    runScene(state, false, 1.0);
}
BENCHMARK(defencesHeavyFrame)->Unit(benchmark::kMicrosecond);

void defencesHeavyFrameGameOver(benchmark::State& state) {
    runScene(state, true, 1.0);
}
BENCHMARK(defencesHeavyFrameGameOver)->Unit(benchmark::kMicrosecond);

void defencesGrowth(benchmark::State& state) {
    runScene(state, false, state.range(0) / 4.0);
}
BENCHMARK(defencesGrowth)->RangeMultiplier(2)->Range(1, 32)->Unit(benchmark::kMicrosecond);
