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
#include "HeavyScene.h"
#include "app/Engine.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>

namespace {

constexpr double kFrameTime = 1.0 / 60.0;

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

void runScene(benchmark::State& state, bool gameOver, double scale) {
    if (!haveGameData(state))
        return;
    const double bare = bareFrameSeconds();
    GameSession* session = new GameSession;
    session->start();
    PlayfieldScreen screen(*session);
    session->health = 1000000;
    session->waveTimer = -1.0;
    buildHeavyScene(session, scale);
    if (gameOver) {
        session->endGame();
        screen.mode = PlayfieldScreen::QuitDialog;
    }

    // The frames are timed here as well, on the same clock as the bare frame.
    // A scene's frames differ, so the ratios add up the best time of each
    // frame of the scene over all scenes, as the bare frame takes its best
    // batch: a busy machine disturbs the best times least.
    using Clock = std::chrono::steady_clock;
    Clock::duration total{};
    Clock::duration bestUpdate[kHeavySceneFrames];
    Clock::duration bestDraw[kHeavySceneFrames];
    std::fill_n(bestUpdate, kHeavySceneFrames, Clock::duration::max() / 2);
    std::fill_n(bestDraw, kHeavySceneFrames, Clock::duration::max() / 2);
    int frame = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        session->update(kFrameTime);
        const Clock::time_point updated = Clock::now();
        screen.draw();
        const Clock::duration drawn = Clock::now() - updated;
        const Clock::duration update = updated - start;
        total += update + drawn;
        if (update + drawn < bestUpdate[frame] + bestDraw[frame]) {
            bestUpdate[frame] = update;
            bestDraw[frame] = drawn;
        }
        if (++frame == kHeavySceneFrames) {
            state.PauseTiming();
            buildHeavyScene(session, scale);
            frame = 0;
            state.ResumeTiming();
        }
    }
    if (state.iterations() < kHeavySceneFrames)
        return;
    const auto perFrame = [](const Clock::duration* best) {
        return std::chrono::duration<double>(
                   std::accumulate(best, best + kHeavySceneFrames, Clock::duration::zero()))
                   .count() /
               kHeavySceneFrames;
    };
    const double update = perFrame(bestUpdate);
    const double draw = perFrame(bestDraw);
    state.counters["frame_us"] = std::chrono::duration<double>(total).count() /
                                 static_cast<double>(state.iterations()) * 1e6;
    state.counters["bareFrame_us"] = bare * 1e6;
    state.counters["xBareFrame"] = (update + draw) / bare;
    state.counters["updateXBare"] = update / bare;
    state.counters["drawXBare"] = draw / bare;

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
