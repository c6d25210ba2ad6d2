// How the frame wait spends the time between frames while the game is at
// rest, for the wait the game uses ("sleep_then_yield") and the plain yield
// loop it replaced ("yield_only"), side by side in one run: the share of a
// core the whole process and the waiting thread use, and how late each frame
// starts, its median and 99th percentile. Allegro's rest(0) is the X11
// driver's yield only when the library has a display, so run it in one, and
// on its own (a benchmark that starts Allegro headless leaves no yield at all):
//   xvfb-run -a build/bench/bench_groundline --benchmark_filter=frameWait

#define ALLEGRO_NO_MAGIC_MAIN

#include "app/Engine.h"
#include "support/EngineScope.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

constexpr double kFramePeriod = 1.0 / 60.0;
constexpr int kFrames = 600;

double cpuSeconds(clockid_t clock) {
    timespec time;
    clock_gettime(clock, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

double percentile(std::vector<double> values, double share) {
    const size_t index = std::min(values.size() - 1,
                                  static_cast<size_t>(share * static_cast<double>(values.size())));
    std::nth_element(values.begin(), values.begin() + static_cast<long>(index), values.end());
    return values[index];
}

double sleepThenYield(Engine& engine) {
    return engine.waitForFrame();
}

// The wait as it was: yield until the period has passed.
double yieldOnly(Engine& engine) {
    double elapsed;
    while ((elapsed = engine.now() - engine.lastFrameTime) < engine.timestepThreshold)
        engine.platform->yield();
    engine.lastFrameTime = engine.lastFrameTime + elapsed;
    return elapsed;
}

void frameWait(benchmark::State& state, double (*wait)(Engine&)) {
    static const bool started = allegro_init() == 0;
    if (!started || system_driver->id == SYSTEM_NONE) {
        state.SkipWithError("needs Allegro's X11 driver: run alone, under xvfb-run");
        return;
    }
    const EngineScope scope;
    AllegroPlatform machine;
    Engine& engine = scope.engine;
    engine.platform = &machine;
    engine.timestepThreshold = kFramePeriod;
    engine.lastFrameTime = engine.now();

    std::vector<double> lateness;
    lateness.reserve(kFrames);
    const double wallStart = engine.now();
    const double processStart = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double waitStart = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    for (auto _ : state)
        lateness.push_back(wait(engine) - kFramePeriod);
    const double process = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processStart;
    const double waiting = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - waitStart;
    const double wall = engine.now() - wallStart;

    // The process includes Allegro's own input thread, which runs whatever
    // the wait does; the thread that waits is the wait's own cost.
    state.counters["process_cpu_%"] = 100.0 * process / wall;
    state.counters["wait_cpu_%"] = 100.0 * waiting / wall;
    state.counters["late_median_ms"] = 1e3 * percentile(lateness, 0.5);
    state.counters["late_p99_ms"] = 1e3 * percentile(lateness, 0.99);
    state.counters["early_frames"] = static_cast<double>(
        std::count_if(lateness.begin(), lateness.end(), [](double late) { return late < 0.0; }));
}

} // namespace

BENCHMARK_CAPTURE(frameWait, sleep_then_yield, sleepThenYield)
    ->Iterations(kFrames)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frameWait, yield_only, yieldOnly)
    ->Iterations(kFrames)
    ->Unit(benchmark::kMillisecond);
