// The steps of a busy frame that cost the most, each timed on its own and set
// against what it replaces, in the same run: the collision pass per projectile
// and squibble pair ("xFirstPass"), the doubling of the canvas into the window
// ("xStretchBlit"), drawing sparks ("xMaskedBlit"), and building a spark. Runs
// on the real data/, so start from the repository root:
//   build/bench/bench_groundline --benchmark_filter='collision|doubling|spark'

#define ALLEGRO_NO_MAGIC_MAIN

#include "GameData.h"
#include "app/Engine.h"
#include "defences/LaserProjectile.h"
#include "effects/SparkEffect.h"
#include "game/GameSession.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"
#include "speedups/FirstCollisionPass.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

constexpr int kWaveNumber = 30;
constexpr int kProjectiles = 200;
// Bolts below the whole block: every pair is tested and none hits.
constexpr int kBelowTheBlock = 230;
constexpr double kWaveInSight = 150.0;

// Sparks as tesla coils make them: from the ground up to a squibble in range,
// some reaching past the canvas's edges.
constexpr int kSparks = 40;
constexpr int kCoilTop = 200;

SparkEffect* makeSpark(int i) {
    const int x = (i * 37) % 350 - 15;
    return new SparkEffect(x, kCoilTop, x + (i * 13) % 120 - 60, (i * 53) % 200 - 10);
}

} // namespace

// The pass, and the pass as first written, over the same pairs one after the
// other ("xFirstPass").
void collisionPass(benchmark::State& state) {
    if (!haveGameData(state))
        return;
    GameSession* session = new GameSession;
    Engine::instance().setSession(session);
    session->waveNumber = kWaveNumber;
    session->wave = new SquibbleWave(2 * kWaveNumber + 14);
    for (Invader* invader : session->wave->invaders)
        invader->y += kWaveInSight;
    for (int i = 0; i < kProjectiles; ++i)
        session->projectiles.push_back(
            new LaserProjectile(5 + i * 310 / kProjectiles, kBelowTheBlock, 1));

    double passSeconds = 0.0;
    double firstSeconds = 0.0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        session->collide();
        passSeconds += secondsSince(start);

        start = Clock::now();
        collideAsFirstWritten(*session);
        firstSeconds += secondsSince(start);
    }

    const double pairs = static_cast<double>(session->projectiles.size()) *
                         static_cast<double>(session->wave->invaders.size()) *
                         static_cast<double>(state.iterations());
    state.counters["pair_ns"] = passSeconds / pairs * 1e9;
    state.counters["firstPassPair_ns"] = firstSeconds / pairs * 1e9;
    state.counters["xFirstPass"] = passSeconds / firstSeconds;
    Engine::instance().setSession(nullptr);
    delete session;
}
BENCHMARK(collisionPass)->Unit(benchmark::kMicrosecond);

// The canvas with a frame's background on it, doubled into a window-sized
// memory bitmap by the canvas and by stretch_blit, one after the other.
void doubling(benchmark::State& state) {
    if (!haveGameData(state))
        return;
    Engine& engine = Engine::instance();
    Canvas& canvas = *engine.canvas;
    blit(engine.background, canvas.bitmap, 0, 0, 0, 0, 320, 240);
    BITMAP* window = create_bitmap(640, 480);

    double canvasSeconds = 0.0;
    double stretchSeconds = 0.0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        canvas.stretchOnto(window);
        benchmark::ClobberMemory();
        canvasSeconds += secondsSince(start);

        start = Clock::now();
        stretch_blit(canvas.bitmap, window, 0, 0, 320, 240, 0, 0, 640, 480);
        benchmark::ClobberMemory();
        stretchSeconds += secondsSince(start);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["canvas_us"] = canvasSeconds / iterations * 1e6;
    state.counters["stretchBlit_us"] = stretchSeconds / iterations * 1e6;
    state.counters["xStretchBlit"] = canvasSeconds / stretchSeconds;
    destroy_bitmap(window);
}
BENCHMARK(doubling)->Unit(benchmark::kMicrosecond);

// Making a spark: its bolt and its glow.
void sparkBuild(benchmark::State& state) {
    if (!haveGameData(state))
        return;
    int i = 0;
    for (auto _ : state)
        delete makeSpark(i++ % kSparks);
}
BENCHMARK(sparkBuild)->Unit(benchmark::kMicrosecond);

// Drawing a frame's sparks, and masked_blit of their whole images for comparison.
void sparkDraw(benchmark::State& state) {
    if (!haveGameData(state))
        return;
    BITMAP* canvas = Engine::instance().canvas->bitmap;
    std::vector<SparkEffect*> sparks;
    for (int i = 0; i < kSparks; ++i)
        sparks.push_back(makeSpark(i));

    double drawSeconds = 0.0;
    double blitSeconds = 0.0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        for (SparkEffect* spark : sparks)
            spark->draw(canvas);
        benchmark::ClobberMemory();
        drawSeconds += secondsSince(start);

        start = Clock::now();
        for (const SparkEffect* spark : sparks)
            masked_blit(spark->image, canvas, 0, 0, static_cast<int>(spark->x),
                        static_cast<int>(spark->y), spark->image->w, spark->image->h);
        benchmark::ClobberMemory();
        blitSeconds += secondsSince(start);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["draw_us"] = drawSeconds / iterations * 1e6;
    state.counters["maskedBlit_us"] = blitSeconds / iterations * 1e6;
    state.counters["xMaskedBlit"] = drawSeconds / blitSeconds;
    for (SparkEffect* spark : sparks)
        delete spark;
}
BENCHMARK(sparkDraw)->Unit(benchmark::kMicrosecond);
