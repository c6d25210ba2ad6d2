// The heap in use as a long game goes on: the soak player's hundred waves,
// with towers sold and rebuilt after each, measured with mallinfo2 after
// waves 10, 50 and 100 against the heap before the game. Once the towers
// stand the heap should stay flat, whatever the wave number:
//   build/bench/bench_groundline --benchmark_filter=heap

#define ALLEGRO_NO_MAGIC_MAIN

#include "GameData.h"
#include "soak/SoakGame.h"

#include <allegro.h>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

double heapInUse() {
    return static_cast<double>(mallinfo2().uordblks);
}

} // namespace

void heapOverAHundredWaves(benchmark::State& state) {
    if (!haveGameData(state))
        return;
    // A short game first, so that what the game and the library set up once,
    // on first use, is not counted as growth.
    {
        SoakGame warmUp;
        warmUp.playThroughWave(2, [](const WaveRecord&) {});
    }
    for (auto _ : state) {
        const double before = heapInUse();
        double atWave[101] = {};
        {
            SoakGame game;
            game.playThroughWave(
                100, [&](const WaveRecord& record) { atWave[record.number] = heapInUse(); });
        }
        const double after = heapInUse();

        state.counters["wave10_kB"] = (atWave[10] - before) / 1024.0;
        state.counters["wave50_kB"] = (atWave[50] - before) / 1024.0;
        state.counters["wave100_kB"] = (atWave[100] - before) / 1024.0;
        state.counters["perWave10to50_B"] = (atWave[50] - atWave[10]) / 40.0;
        state.counters["perWave50to100_B"] = (atWave[100] - atWave[50]) / 50.0;
        state.counters["leftAfterGame_B"] = after - before;
    }
}
BENCHMARK(heapOverAHundredWaves)->Iterations(1)->Unit(benchmark::kSecond);
