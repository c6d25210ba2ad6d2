#include "app/AllegroSound.h"

#include "app/CommandLine.h"
#include "app/Engine.h"
#include "app/QuietSoundLibrary.h"
#include "game/Layout.h"

#include <allegro.h>

#include <algorithm>
#include <limits>

namespace {

// A new sound takes the voice of an older one of the same or lower priority
// when all are busy; Allegro gives every sample 128.
constexpr int kShotPriority = 128;
constexpr int kMatteringPriority = 255;
constexpr int kLoudest = 255;
constexpr int kPitchAsRecorded = 1000;

// Puts a start first in a list of the latest ones, newest first, and lets
// the oldest go.
template <size_t N> void remember(double (&starts)[N], double now) {
    std::copy_backward(starts, starts + N - 1, starts + N);
    starts[0] = now;
}

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
    constexpr double kLongAgo = -std::numeric_limits<double>::infinity();
    for (double(&starts)[kMostAtOnce] : started)
        std::fill(std::begin(starts), std::end(starts), kLongAgo);
    std::fill(std::begin(shotsStarted), std::end(shotsStarted), kLongAgo);
    return problems;
}

void AllegroSound::open(int volume, bool startMuted, Platform* theClock) {
    clock = theClock;
    muted = startMuted;
    loudness = voiceVolume(volume);
    quietenSoundLibrary();
    reserve_voices(kVoices, -1);
    set_volume_per_voice(kVolumePerVoice);
    // Without a sound card Allegro falls back to its "no sound" driver and
    // says so with success: both leave the game silent, and say nothing.
    opened = install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) == 0 && digi_card != DIGI_NONE;
}

void AllegroSound::play(SoundEffect effect, int x) {
    if (!opened || muted || !admit(effect, clock->now()))
        return;
    play_sample(samples[static_cast<int>(effect)], loudness, voicePan(x), kPitchAsRecorded, 0);
}

void AllegroSound::toggleMute() {
    muted = !muted;
}

bool AllegroSound::admit(SoundEffect effect, double now) {
    const int i = static_cast<int>(effect);
    const SAMPLE* sample = samples[i];
    if (!sample)
        return false;
    double(&starts)[kMostAtOnce] = started[i];
    const double length = static_cast<double>(sample->len) / sample->freq;
    if (now - starts[0] < kRepeatGap || now - starts[kMostAtOnce - 1] < length)
        return false;
    const bool shot = !soundMatters(effect);
    if (shot && now - shotsStarted[kShotsTogether - 1] < kTogether)
        return false;
    remember(starts, now);
    if (shot)
        remember(shotsStarted, now);
    return true;
}

int AllegroSound::voiceVolume(int volume) {
    constexpr int kTop = CommandLine::kLoudestVolume;
    return std::clamp(volume, 0, kTop) * kLoudest / kTop;
}

int AllegroSound::voicePan(int x) {
    return std::clamp(x * kLoudest / layout::kCanvasWidth, 0, kLoudest);
}
