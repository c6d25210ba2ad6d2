#include "app/AllegroSound.h"

#include "app/Engine.h"
#include "app/QuietSoundLibrary.h"

#include <allegro.h>

namespace {

constexpr int kPitchAsRecorded = 1000;

} // namespace

std::vector<std::string> AllegroSound::load(const Engine& engine) {
    std::vector<std::string> problems;
    for (int i = 0; i < kSoundEffectCount; ++i)
        samples[i] = loadSample(engine, static_cast<SoundEffect>(i), problems);
    return problems;
}

SAMPLE* AllegroSound::loadSample(const Engine& engine, SoundEffect effect,
                                 std::vector<std::string>& problems) {
    const std::string file = engine.settings.get(soundKey(effect));
    // A mod without the newer kinds' keys keeps those events silent.
    if (file.empty() && soundOptional(effect))
        return nullptr;
    const std::string path = engine.dataFile(file);
    SAMPLE* sample = load_sample(path.c_str());
    if (!sample)
        problems.push_back(std::string(soundKey(effect)) + " (" + path +
                           "): missing or not a readable sound");
    return sample;
}

void AllegroSound::open(int volume, bool startMuted, Platform* clock) {
    quietenSoundLibrary();
    opened = openDevice();
    if (opened)
        rules.open(clock, volume, startMuted);
}

bool AllegroSound::openDevice() {
    reserve_voices(kVoices, -1);
    set_volume_per_voice(kVolumePerVoice);
    // Without a sound card Allegro falls back to its "no sound" driver and
    // says so with success: both leave the game silent, and say nothing.
    return install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) == 0 && digi_card != DIGI_NONE;
}

void AllegroSound::standBy(bool stand) {
    if (!opened || stand == standing)
        return;
    standing = stand;
    if (standing) {
        remove_sound();
        return;
    }
    // A device that will not open again leaves the game silent, as one
    // missing at start-up does.
    if (!openDevice()) {
        remove_sound();
        opened = false;
    }
}

void AllegroSound::play(SoundEffect effect, int x) {
    rules.play(effect, x);
}

void AllegroSound::toggleMute() {
    rules.toggleMute();
}

double AllegroSound::length(SoundEffect effect) const {
    const SAMPLE* loaded = sample(effect);
    return loaded ? static_cast<double>(loaded->len) / loaded->freq : 0.0;
}

void AllegroSound::startVoice(SoundEffect effect, int volume, int pan, int priority) {
    SAMPLE* loaded = samples[static_cast<int>(effect)];
    loaded->priority = priority;
    play_sample(loaded, volume, pan, kPitchAsRecorded, 0);
}
