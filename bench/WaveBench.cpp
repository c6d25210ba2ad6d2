// The cost of a busy frame: a wave of 40 squibbles (wave 13) marching under
// 300 live effects of all four kinds, to set against bareFrame in the session
// benchmarks. Runs on the real data/, so start from the repository root:
//   build/bench/bench_groundline --benchmark_filter='Frame'

#define ALLEGRO_NO_MAGIC_MAIN

#include "app/Engine.h"
#include "effects/BounceTextEffect.h"
#include "effects/SimpleEffect.h"
#include "effects/SparkEffect.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "invaders/SquibbleWave.h"
#include "support/FakePlatform.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Loads data/ unless another benchmark already has; false (and the reason
// in the state) when it cannot.
bool haveRealData(benchmark::State& state) {
    static bool usable = [] {
        Engine& engine = Engine::instance();
        if (!engine.canvas) {
            // No keys, no mouse, no waiting: only the game's own work is measured.
            static FakePlatform still;
            engine.platform = &still;
            if (!engine.settings.load("data/strings.txt"))
                return false;
            engine.canvas = new Canvas(320, 240);
            engine.loadCatalogue();
        }
        return engine.checkCatalogue().empty();
    }();
    if (!usable)
        state.SkipWithError("run from the repository root, with a complete data/");
    return usable;
}

constexpr double kFrameTime = 1.0 / 60.0;
constexpr int kWaveNumber = 13;
constexpr int kEffectsOfEachKind = 75;
// The scene is made afresh after this many frames, so that the texts stay in
// sight and the wave stays in its first second.
constexpr int kFramesPerScene = 60;
// Effects are kept alive for the whole scene, whatever their own lifetime.
constexpr double kSceneLifetime = 1e9;

void addEffect(GameSession* session, Effect* effect) {
    effect->lifetime = kSceneLifetime;
    session->effects.push_back(effect);
}

// A fresh wave 13 and, when asked, the effects, spread over the playfield.
void buildScene(GameSession* session, bool withWave, bool withEffects) {
    Engine& engine = Engine::instance();
    for (Effect* effect : session->effects)
        delete effect;
    session->effects.clear();
    delete session->wave;
    session->wave = nullptr;

    session->waveNumber = kWaveNumber;
    if (withWave)
        session->wave = new SquibbleWave(2 * kWaveNumber + 14);
    if (!withEffects)
        return;

    std::srand(1);
    for (int i = 0; i < kEffectsOfEachKind; ++i) {
        const int x = (i * 37) % 300 + 10;
        const int y = (i * 53) % 180 + 10;
        char bounty[16];
        std::snprintf(bounty, sizeof bounty, "+%d", 10 + i);
        addEffect(session, new TextEffect(x, y, engine.fontSmall, bounty));
        addEffect(session, new SimpleEffect(
                               x, y, i % 2 ? engine.poofSheet : engine.explosionSmallSheet, 0.0));
        addEffect(session, new SparkEffect(x, 214, (x * 7) % 320, y));
        addEffect(session, new BounceTextEffect(x, y, engine.fontMain, "Wave 13"));
    }
    // Past their unfolding, so that the titles are drawn at full size.
    for (Effect* effect : session->effects)
        if (dynamic_cast<BounceTextEffect*>(effect))
            effect->age = 0.5;
}

void runScene(benchmark::State& state, bool withWave, bool withEffects) {
    if (!haveRealData(state))
        return;
    GameSession* session = new GameSession;
    Engine::instance().setSession(session);
    session->start();
    session->health = 1000000;
    session->waveTimer = -1.0;
    buildScene(session, withWave, withEffects);

    int frames = 0;
    for (auto _ : state) {
        session->update(kFrameTime);
        session->draw();
        if (++frames == kFramesPerScene) {
            state.PauseTiming();
            buildScene(session, withWave, withEffects);
            frames = 0;
            state.ResumeTiming();
        }
    }
    state.counters["effects"] = static_cast<double>(session->effects.size());

    Engine::instance().setSession(nullptr);
    delete session;
}

} // namespace

void waveFrameWithEffects(benchmark::State& state) {
    runScene(state, true, true);
}
BENCHMARK(waveFrameWithEffects)->Unit(benchmark::kMicrosecond);

// The two halves of it, to tell which one costs.
void waveFrameAlone(benchmark::State& state) {
    runScene(state, true, false);
}
BENCHMARK(waveFrameAlone)->Unit(benchmark::kMicrosecond);

void effectsFrameAlone(benchmark::State& state) {
    runScene(state, false, true);
}
BENCHMARK(effectsFrameAlone)->Unit(benchmark::kMicrosecond);
