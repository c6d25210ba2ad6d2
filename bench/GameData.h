#pragma once

#include <benchmark/benchmark.h>

// Loads data/strings.txt and the catalogue into the engine, once for the
// whole program, with a platform that has no keys, no mouse and no waiting so
// that only the game's own work is measured. False, with the benchmark marked
// as skipped, when the program was not started from the repository root or
// data/ is incomplete.
bool haveGameData(benchmark::State& state);
