#include "app/AllegroSound.h"

#include "app/Engine.h"
#include "app/QuietSoundLibrary.h"
#include "game/Layout.h"

#include <allegro.h>

#include <algorithm>
#include <limits>

namespace {

// An effect that started less than this long ago is not started again: the
// ear hears one shot, not a smear of forty that add up past the loudest
// sample.
constexpr double kRepeatGap = 0.04;
// Allegro mixes 8 voices unless asked for more before the device opens.
constexpr int kVoices = 32;
// A new sound takes the voice of an older one of the same or lower priority
// when all are busy; Allegro gives every sample 128.
constexpr int kShotPriority = 128;
constexpr int kMatteringPriority = 255;
constexpr int kLoudest = 255;
constexpr int kPitchAsRecorded = 1000;

} // namespace

std::vector<std::string> AllegroSound::load(const Engine& engine) {
    std::vector<std::string> problems;
    for (int i = 0; i < kSoundEffectCount; ++i) {
        const SoundEffect effect = static_cast<SoundEffect>(i);
        const std::string path = engine.dataFile(engine.settings.get(soundKey(effect)));
        samples[i] = load_sample(path.c_str());
        if (!samples[i]) {
            problems.push_back(std::string(soundKey(effect)) + " (" + path +
                               "): missing or not a readable sound");
            continue;
        }
        samples[i]->priority = soundMatters(effect) ? kMatteringPriority : kShotPriority;
    }
    std::fill(std::begin(lastStarted), std::end(lastStarted),
              -std::numeric_limits<double>::infinity());
    return problems;
}

void AllegroSound::open(int volume, bool startMuted, Platform* theClock) {
    clock = theClock;
    muted = startMuted;
    loudness = std::clamp(volume, 0, 100) * kLoudest / 100;
    quietenSoundLibrary();
    reserve_voices(kVoices, -1);
    // Without a sound card Allegro falls back to its "no sound" driver and
    // says so with success: both leave the game silent, and say nothing.
    opened = install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) == 0 && digi_card != DIGI_NONE;
}

void AllegroSound::play(SoundEffect effect, int x) {
    const int i = static_cast<int>(effect);
    if (!opened || muted || !samples[i])
        return;
    const double now = clock->now();
    if (now - lastStarted[i] < kRepeatGap)
        return;
    lastStarted[i] = now;
    const int pan = std::clamp(x * kLoudest / layout::kCanvasWidth, 0, kLoudest);
    play_sample(samples[i], loudness, pan, kPitchAsRecorded, 0);
}

void AllegroSound::toggleMute() {
    muted = !muted;
}
