// The cost of a busy frame: a wave of 40 squibbles (wave 13) marching under
// 300 live effects of all four kinds, to set against bareFrame in the session
// benchmarks. Runs on the real data/, so start from the repository root:
//   build/bench/bench_groundline --benchmark_filter='Frame'

#define ALLEGRO_NO_MAGIC_MAIN

#include "GameData.h"
#include "app/Engine.h"
#include "app/Random.h"
#include "effects/BounceTextEffect.h"
#include "effects/SimpleEffect.h"
#include "effects/SparkEffect.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kFrameTime = 1.0 / 60.0;
constexpr int kWaveNumber = 13;
constexpr int kEffects = 300;
// The block is brought down into sight: formed above the playfield it would
// cost next to nothing to draw.
constexpr double kWaveInSight = 120.0;
// Sparks as a tesla coil makes them: from the ground to a squibble in range.
constexpr int kCoilTop = 200;
constexpr int kCoilRange = 80;
// The scene is made afresh after this many frames, so that the texts stay in
// sight and the wave stays where it was put.
constexpr int kFramesPerScene = 60;
// Effects are kept alive for the whole scene, whatever their own lifetime.
constexpr double kSceneLifetime = 1e9;

enum Kinds { kText = 1, kSimple = 2, kSpark = 4, kBounceText = 8, kAllKinds = 15 };

// The i-th effect of the scene, of the i-th of the asked kinds in turn.
Effect* makeEffect(int i, int kinds) {
    const Engine& engine = Engine::instance();
    const int x = (i * 37) % 300 + 10;
    const int y = (i * 53) % 180 + 10;
    int kind = 1 << (i % 4);
    while (!(kinds & kind))
        kind = kind == kBounceText ? kText : kind << 1;

    switch (kind) {
    case kText: {
        char bounty[16];
        std::snprintf(bounty, sizeof bounty, "+%d", i);
        return new TextEffect(x, y, engine.fontSmall, bounty);
    }
    case kSimple:
        return new SimpleEffect(x, y, i % 2 ? engine.poofSheet : engine.explosionSmallSheet, 0.0);
    case kSpark:
        return new SparkEffect(x, kCoilTop, x + (i * 13) % (2 * kCoilRange) - kCoilRange,
                               kCoilTop - (i * 29) % kCoilRange);
    default: {
        Effect* title = new BounceTextEffect(x, y, engine.fontMain, "Wave 13");
        title->age = 0.5; // past its unfolding: drawn at full size
        return title;
    }
    }
}

// A fresh wave 13 in sight and the effects of the asked kinds.
void buildScene(GameSession* session, bool withWave, int kinds) {
    for (Effect* effect : session->effects)
        delete effect;
    session->effects.clear();
    delete session->wave;
    session->wave = nullptr;

    session->waveNumber = kWaveNumber;
    if (withWave) {
        session->wave = new SquibbleWave(2 * kWaveNumber + 14, session);
        for (Invader* invader : session->wave->invaders)
            invader->y += kWaveInSight;
    }
    Random::seed(1);
    for (int i = 0; kinds && i < kEffects; ++i) {
        Effect* effect = makeEffect(i, kinds);
        effect->lifetime = kSceneLifetime;
        session->effects.push_back(effect);
    }
}

void runScene(benchmark::State& state, bool withWave, int kinds) {
    if (!haveGameData(state))
        return;
    GameSession* session = new GameSession;
    session->start();
    PlayfieldScreen screen(*session);
    session->health = 1000000;
    session->waveTimer = -1.0;
    buildScene(session, withWave, kinds);

    int frames = 0;
    for (auto _ : state) {
        session->update(kFrameTime);
        screen.draw();
        if (++frames == kFramesPerScene) {
            state.PauseTiming();
            buildScene(session, withWave, kinds);
            frames = 0;
            state.ResumeTiming();
        }
    }
    state.counters["effects"] = static_cast<double>(session->effects.size());

    delete session;
}

} // namespace

void waveFrameWithEffects(benchmark::State& state) {
    runScene(state, true, kAllKinds);
}
BENCHMARK(waveFrameWithEffects)->Unit(benchmark::kMicrosecond);

// Its parts, to tell which one costs: the wave alone, then 300 effects of
// one kind (1 text, 2 simple, 4 spark, 8 bouncing title).
void waveFrameAlone(benchmark::State& state) {
    runScene(state, true, 0);
}
BENCHMARK(waveFrameAlone)->Unit(benchmark::kMicrosecond);

void effectsFrameOfOneKind(benchmark::State& state) {
    runScene(state, false, static_cast<int>(state.range(0)));
}
BENCHMARK(effectsFrameOfOneKind)
    ->Arg(kText)
    ->Arg(kSimple)
    ->Arg(kSpark)
    ->Arg(kBounceText)
    ->Unit(benchmark::kMicrosecond);
