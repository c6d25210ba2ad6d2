// The cost of a whole frame of the session against the least a frame can do.
// Runs on the real data/, so start the program from the repository root:
//   build/bench/bench_groundline --benchmark_filter='Frame'

#define ALLEGRO_NO_MAGIC_MAIN

#include "GameData.h"
#include "app/Engine.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

namespace {

// A session between waves, with its clouds and nothing else.
GameSession* restingSession() {
    GameSession* session = new GameSession;
    session->start();
    session->waveTimer = 1e9;
    return session;
}

void endSession(GameSession* session) {
    delete session;
}

constexpr double kFrameTime = 1.0 / 60.0;

} // namespace

// Clearing the canvas and copying the background: what every frame costs at least.
void bareFrame(benchmark::State& state) {
    if (!haveGameData(state))
        return;
    Engine& engine = Engine::instance();
    BITMAP* canvas = engine.canvas->bitmap;
    for (auto _ : state) {
        clear_bitmap(canvas);
        blit(engine.background, canvas, 0, 0, 0, 0, 320, 240);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(bareFrame)->Unit(benchmark::kMicrosecond);

void sessionFrameAtRest(benchmark::State& state) {
    if (!haveGameData(state))
        return;
    GameSession* session = restingSession();
    PlayfieldScreen screen(*session);
    for (auto _ : state) {
        session->update(kFrameTime);
        screen.draw();
    }
    endSession(session);
}
BENCHMARK(sessionFrameAtRest)->Unit(benchmark::kMicrosecond);

void gameOverFrame(benchmark::State& state) {
    if (!haveGameData(state))
        return;
    GameSession* session = restingSession();
    PlayfieldScreen screen(*session);
    session->health = 0;
    screen.step(0.0, false);
    for (auto _ : state) {
        session->update(kFrameTime);
        screen.draw();
    }
    endSession(session);
}
BENCHMARK(gameOverFrame)->Unit(benchmark::kMicrosecond);
