// What the sound costs: the process's CPU, mixer thread included, per second
// of frames at 60 a second ("cpuPerSecond", a share of one core), at rest and
// in frames that ask for every effect forty times, with the sound off and then
// on, in one run. The mix goes to ALSA's file device over its null device;
// "soundPerSecond" is the seconds of sound it took per second of play.
//
// Needs an X display for Allegro's system driver, and runs from the
// repository root for data/:
//   Xvfb :99 & DISPLAY=:99 build/bench/sound/bench_sound

#define ALLEGRO_NO_MAGIC_MAIN

#include "app/AllegroSound.h"
#include "app/Engine.h"

#include <allegro.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

// 16-bit stereo at 44.1 kHz, as ALSA's file device writes it.
constexpr double kCaptureBytesPerSecond = 44100.0 * 4;
constexpr double kFrameTime = 1.0 / 60.0;
constexpr int kShotsPerFrame = 40;

double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

const std::string& capturePath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / "groundline-bench-sound.raw").string();
    return path;
}

double capturedSeconds() {
    std::error_code error;
    const auto bytes = std::filesystem::file_size(capturePath(), error);
    return error ? 0.0 : static_cast<double>(bytes) / kCaptureBytesPerSecond;
}

AllegroSound* sound = nullptr;

// The mixer is started by the first benchmark that wants it, after those
// that run without it.
void openSound() {
    if (sound)
        return;
    Engine& engine = Engine::instance();
    sound = new AllegroSound;
    for (const std::string& problem : sound->load(engine))
        std::fprintf(stderr, "bench_sound: %s\n", problem.c_str());
    sound->open(engine.settings.getInt("SoundVolume"), false, engine.platform);
}

// Frames at 60 a second, sleeping between them as the game does at rest; in
// a heavy frame every effect is asked for forty times.
void runFrames(benchmark::State& state, bool heavy) {
    const double cpuBefore = processSeconds();
    const double soundBefore = capturedSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (heavy && sound) {
            for (int shot = 0; shot < kShotsPerFrame; ++shot)
                for (int effect = 0; effect < kSoundEffectCount; ++effect)
                    sound->play(static_cast<SoundEffect>(effect), shot * 8);
        }
        std::this_thread::sleep_for(std::chrono::duration<double>(kFrameTime));
    }
    const double cpu = processSeconds() - cpuBefore;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double made = capturedSeconds() - soundBefore;
    state.counters["cpuPerSecond"] = cpu / wall;
    state.counters["soundPerSecond"] = made / wall;
}

void soundOffAtRest(benchmark::State& state) {
    runFrames(state, false);
}
void soundOffHeavyFrame(benchmark::State& state) {
    runFrames(state, true);
}
void soundOnAtRest(benchmark::State& state) {
    openSound();
    runFrames(state, false);
}
void soundOnHeavyFrame(benchmark::State& state) {
    openSound();
    runFrames(state, true);
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::remove(capturePath());
    const std::string config =
        (std::filesystem::temp_directory_path() / "groundline-bench-sound.conf").string();
    std::ofstream(config) << "pcm.!default { type file slave.pcm { type null } file \""
                          << capturePath() << "\" format \"raw\" }\n";
    setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
    if (allegro_init() != 0) {
        std::fputs("bench_sound: Allegro needs an X display (DISPLAY)\n", stderr);
        return 1;
    }
    set_color_depth(32);
    Engine& engine = Engine::instance();
    if (!engine.loadSettings().empty()) {
        std::fputs("bench_sound: run from the repository root\n", stderr);
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    const auto frames = [](auto* bench) {
        return bench->Iterations(120)->UseRealTime()->Unit(benchmark::kMillisecond);
    };
    frames(benchmark::RegisterBenchmark("soundOffAtRest", soundOffAtRest));
    frames(benchmark::RegisterBenchmark("soundOffHeavyFrame", soundOffHeavyFrame));
    frames(benchmark::RegisterBenchmark("soundOnAtRest", soundOnAtRest));
    frames(benchmark::RegisterBenchmark("soundOnHeavyFrame", soundOnHeavyFrame));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(capturePath());
    return 0;
}
