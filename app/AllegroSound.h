#pragma once

#include "app/Sound.h"

#include <string>
#include <vector>

struct SAMPLE;
class Engine;
class Platform;

// The sound the player hears, through Allegro's mixer. Crowds are thinned
// before they reach it: an effect that started a moment ago, or that still
// sounds twice, is not started again, so forty lasers firing in one frame, or
// a frame eight times as long, sound as one; a few shots at a time start
// together; and the effects that matter outrank the shots for a voice.
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

    // Whether the effect, asked for at now (seconds on the platform's clock),
    // starts a voice: not within kRepeatGap of its last start, nor while
    // kMostAtOnce copies of it still sound, nor, for a shot, when
    // kShotsTogether shots started within kTogether. A start is remembered.
    // It needs the effects loaded but no device, so that the crowd a game
    // makes can be weighed without one.
    bool admit(SoundEffect effect, double now);
    // The effect as loaded; null when it did not load.
    const SAMPLE* sample(SoundEffect effect) const { return samples[static_cast<int>(effect)]; }

    // Allegro's voice volume, 0 to 255, for the game's 0 to 100: 100 is the
    // loudest the mixer plays a voice.
    static int voiceVolume(int volume);
    // Allegro's pan, 0 at the left to 255 at the right, for a canvas x.
    static int voicePan(int x);

    // Allegro mixes 8 voices unless asked for more before the device opens.
    static constexpr int kVoices = 32;
    // Allegro's own default, named because the effects are made for it: a
    // voice at the loudest volume panned to one side fills the whole range,
    // centred it fills half. A crowd stays below full scale because the shots
    // are quiet and thinned, not because each voice is turned down: halving
    // them (2) would leave a lone laser 6 dB quieter.
    static constexpr int kVolumePerVoice = 1;

  private:
    // An effect that started less than this long ago (seconds) is not started
    // again: the ear hears one shot, not a smear of forty.
    static constexpr double kRepeatGap = 0.04;
    // Nor is one of which this many copies still sound. A late wave asks for
    // an explosion every few frames; a dozen of them ringing at once only
    // thicken the noise, and they add up past the loudest sample.
    static constexpr int kMostAtOnce = 2;
    // Nor is a shot the one past this many to start within kTogether
    // (seconds). A frame that came late asks for every kind of shot at once,
    // and they would start in one buffer of the mixer, loudest parts together.
    static constexpr int kShotsTogether = 3;
    static constexpr double kTogether = 0.03;

    SAMPLE* samples[kSoundEffectCount] = {};
    // When the latest copies of each effect, and the latest shots of any
    // kind, started: newest first, on the platform's clock.
    double started[kSoundEffectCount][kMostAtOnce] = {};
    double shotsStarted[kShotsTogether] = {};
    Platform* clock = nullptr;
    bool opened = false;
    bool muted = false;
    int loudness = 0; // Allegro's 0 to 255
};
