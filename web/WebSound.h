#pragma once

#include "app/Sound.h"
#include "app/SoundRules.h"

#include <string>
#include <vector>

class Engine;
class Platform;

// The sound the player hears in a page, through Web Audio: the page's script
// decodes the same effects as the desktop's, and the sound's rules
// (SoundRules) start them as on the desktop. The browser lets no sound start
// before the player's first click or key; effects asked for until then are
// never heard.
class WebSound : public Sound, private SoundRules::Mixer {
  public:
    // Reads the effects that the engine's settings name from its data folder
    // as Allegro reads them, and hands each file to the page to decode; one
    // line for each that is missing or unreadable.
    std::vector<std::string> load(const Engine& engine) override;

    // From now on the effects start, at a volume from 1 to 100, or not
    // until M when muted. Shows the page's mute button.
    void open(int volume, bool startMuted, Platform* clock) override;

    void play(SoundEffect effect, int x) override;
    // Also shows the page's mute button pressed or not.
    void toggleMute() override;
    bool muted() const override { return rules.muted(); }
    void setVolume(int volume) override { rules.setVolume(volume); }

  private:
    double length(SoundEffect effect) const override;
    void startVoice(SoundEffect effect, int volume, int pan, int priority) override;

    // Seconds, as Allegro reads each effect; the page decodes its own copy.
    double lengths[kSoundEffectCount] = {};
    SoundRules rules{*this};
};
