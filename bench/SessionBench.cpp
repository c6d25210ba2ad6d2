// The cost of a whole frame of the session against the least a frame can do.
// Runs on the real data/, so start the program from the repository root:
//   build/bench/bench_groundline --benchmark_filter='Frame'

#define ALLEGRO_NO_MAGIC_MAIN

#include "app/Engine.h"
#include "game/GameSession.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

namespace {

// No keys, no mouse, no waiting: only the game's own work is measured.
class StillPlatform : public Platform {
  public:
    double now() override { return 0.0; }
    long long clockFrequency() override { return 1; }
    void yield() override {}
    int mouseX() override { return 0; }
    int mouseY() override { return 0; }
    int mouseButtons() override { return 0; }
    bool keyPressed() override { return false; }
    int readKey() override { return 0; }
    bool keyDown(int) override { return false; }
};

// Loads data/ once; false (and the reason in the state) when it cannot.
bool loadRealData(benchmark::State& state) {
    static bool loaded = false;
    static bool usable = false;
    if (!loaded) {
        loaded = true;
        Engine& engine = Engine::instance();
        static StillPlatform still;
        engine.platform = &still;
        if (engine.settings.load("data/strings.txt")) {
            engine.canvas = new Canvas(320, 240);
            engine.loadCatalogue();
            usable = engine.checkCatalogue().empty();
        }
    }
    if (!usable)
        state.SkipWithError("run from the repository root, with a complete data/");
    return usable;
}

// A session between waves, with its clouds and nothing else.
GameSession* restingSession() {
    GameSession* session = new GameSession;
    Engine::instance().setSession(session);
    session->start();
    session->waveTimer = 1e9;
    return session;
}

void endSession(GameSession* session) {
    Engine::instance().setSession(nullptr);
    delete session;
}

constexpr double kFrameTime = 1.0 / 60.0;

} // namespace

// Clearing the canvas and copying the background: what every frame costs at least.
void bareFrame(benchmark::State& state) {
    if (!loadRealData(state))
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
    if (!loadRealData(state))
        return;
    GameSession* session = restingSession();
    for (auto _ : state) {
        session->update(kFrameTime);
        session->draw();
    }
    endSession(session);
}
BENCHMARK(sessionFrameAtRest)->Unit(benchmark::kMicrosecond);

void gameOverFrame(benchmark::State& state) {
    if (!loadRealData(state))
        return;
    GameSession* session = restingSession();
    session->health = 0;
    session->update(0.0);
    for (auto _ : state) {
        session->update(kFrameTime);
        session->draw();
    }
    endSession(session);
}
BENCHMARK(gameOverFrame)->Unit(benchmark::kMicrosecond);
