#pragma once

#include "app/Sound.h"

#include <string>
#include <vector>

struct SAMPLE;
class Engine;
class Platform;

// The sound the player hears, through Allegro's mixer. Crowds are thinned
// before they reach it: an effect that started a moment ago is not started
// again, so forty lasers firing in one frame, or a frame eight times as long,
// sound as one, and the effects that matter outrank the shots for a voice.
class AllegroSound : public Sound {
  public:
    // Loads the effects that the engine's settings name from its data
    // folder; one line for each that is missing or unreadable. Like the
    // pictures, they are kept until the process ends.
    std::vector<std::string> load(const Engine& engine);

    // Opens the machine's sound device, or quietly leaves the game silent
    // when there is none. volume runs from 1 to 100.
    void open(int volume, bool startMuted, Platform* clock);

    void play(SoundEffect effect, int x) override;
    void toggleMute() override;

  private:
    SAMPLE* samples[kSoundEffectCount] = {};
    // When each effect last started, on the platform's clock.
    double lastStarted[kSoundEffectCount] = {};
    Platform* clock = nullptr;
    bool opened = false;
    bool muted = false;
    int loudness = 0; // Allegro's 0 to 255
};
