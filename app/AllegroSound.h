#pragma once

#include "app/Sound.h"
#include "app/SoundRules.h"

#include <string>
#include <vector>

struct SAMPLE;
class Engine;
class Platform;

// The sound the player hears, through Allegro's mixer: the effects as loaded
// by Allegro, started by the sound's rules (SoundRules) with play_sample.
class AllegroSound : public Sound, private SoundRules::Mixer {
  public:
    // Loads the effects that the engine's settings name from its data
    // folder; one line for each that is missing or unreadable. Like the
    // pictures, they are kept until the process ends. It needs no device,
    // so that the crowd a game makes can be weighed without one.
    std::vector<std::string> load(const Engine& engine) override;

    // Opens the machine's sound device, or quietly leaves the game silent
    // when there is none. volume runs from 1 to 100.
    void open(int volume, bool startMuted, Platform* clock) override;

    void play(SoundEffect effect, int x) override;
    void toggleMute() override;
    bool muted() const override { return rules.muted(); }
    void setVolume(int volume) override { rules.setVolume(volume); }
    void standBy(bool standing) override;

    // The effect's file as the engine's settings name it in its data folder,
    // read as Allegro reads it; null, and a line in problems, when it is
    // missing or unreadable. The browser's sound reads the files so too.
    static SAMPLE* loadSample(const Engine& engine, SoundEffect effect,
                              std::vector<std::string>& problems);

    // The effect as loaded; null when it did not load.
    const SAMPLE* sample(SoundEffect effect) const { return samples[static_cast<int>(effect)]; }

    // Allegro mixes 8 voices unless asked for more before the device opens.
    static constexpr int kVoices = 32;
    // Allegro's own default, named because the effects are made for it: a
    // voice at the loudest volume panned to one side fills the whole range,
    // centred it fills half. A crowd stays below full scale because the shots
    // are quiet and thinned, not because each voice is turned down: halving
    // them (2) would leave a lone laser 6 dB quieter.
    static constexpr int kVolumePerVoice = 1;

  private:
    double length(SoundEffect effect) const override;
    void startVoice(SoundEffect effect, int volume, int pan, int priority) override;

    // Opens the device as it was asked for; whether there was one.
    static bool openDevice();

    SAMPLE* samples[kSoundEffectCount] = {};
    // Whether the device is open, and whether standBy has let it go.
    bool opened = false;
    bool standing = false;
    SoundRules rules{*this};
};
