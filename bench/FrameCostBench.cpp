// The steps of a busy frame that cost the most, each timed on its own and set
// against what it replaces, side by side in the same run: the collision pass per projectile
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

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A new way and an old way of doing one thing, timed one after the other in
// every iteration. The ratio compares the best times, which a busy machine
// disturbs least; the means are reported beside it.
class SideBySide {
  public:
    template <typename Work> void timeNew(Work work) { time(0, work); }
    template <typename Work> void timeOld(Work work) { time(1, work); }

    // Counters "<newName>" and "<oldName>" for the mean times divided by
    // `perUnit`, and "<ratioName>" for the ratio of the best times.
    void report(benchmark::State& state, const char* newName, const char* oldName,
                const char* ratioName, double perUnit) const {
        const double iterations = static_cast<double>(state.iterations());
        state.counters[newName] = total[0] / iterations / perUnit;
        state.counters[oldName] = total[1] / iterations / perUnit;
        state.counters[ratioName] = best[0] / best[1];
    }

  private:
    template <typename Work> void time(int way, Work work) {
        const Clock::time_point start = Clock::now();
        work();
        benchmark::ClobberMemory();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        total[way] += seconds;
        best[way] = std::min(best[way], seconds);
    }

    double total[2] = {0.0, 0.0};
    double best[2] = {1e9, 1e9};
};

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
    session->waveNumber = kWaveNumber;
    session->wave = new SquibbleWave(2 * kWaveNumber + 14, session);
    for (Invader* invader : session->wave->invaders)
        invader->y += kWaveInSight;
    for (int i = 0; i < kProjectiles; ++i)
        session->projectiles.push_back(
            new LaserProjectile(5 + i * 310 / kProjectiles, kBelowTheBlock, 1));

    SideBySide passes;
    for (auto _ : state) {
        passes.timeNew([session] { session->collide(); });
        passes.timeOld([session] { collideAsFirstWritten(*session); });
    }
    const double pairs = static_cast<double>(session->projectiles.size()) *
                         static_cast<double>(session->wave->invaders.size());
    passes.report(state, "pair_ns", "firstPassPair_ns", "xFirstPass", pairs * 1e-9);
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

    SideBySide doublings;
    for (auto _ : state) {
        doublings.timeNew([&canvas, window] { canvas.stretchOnto(window); });
        doublings.timeOld([&canvas, window] {
            stretch_blit(canvas.bitmap, window, 0, 0, 320, 240, 0, 0, 640, 480);
        });
    }
    doublings.report(state, "canvas_us", "stretchBlit_us", "xStretchBlit", 1e-6);
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

    SideBySide draws;
    for (auto _ : state) {
        draws.timeNew([&sparks, canvas] {
            for (SparkEffect* spark : sparks)
                spark->draw(canvas);
        });
        draws.timeOld([&sparks, canvas] {
            for (const SparkEffect* spark : sparks)
                masked_blit(spark->image, canvas, 0, 0, static_cast<int>(spark->x),
                            static_cast<int>(spark->y), spark->image->w, spark->image->h);
        });
    }
    draws.report(state, "draw_us", "maskedBlit_us", "xMaskedBlit", 1e-6);
    for (SparkEffect* spark : sparks)
        delete spark;
}
BENCHMARK(sparkDraw)->Unit(benchmark::kMicrosecond);
