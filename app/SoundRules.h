#pragma once

#include "app/SoundEffect.h"

class Platform;

// Which of the effects the game asks for start a voice, and how loud, where
// and how urgent it is: the same on every mixer, the desktop's and the
// browser's. Crowds are thinned before they reach the mixer: an effect that
// started a moment ago, or that still sounds twice, is not started again, so
// forty lasers firing in one frame, or a frame eight times as long, sound as
// one; a few shots at a time start together; and the effects that matter
// outrank the shots for a voice. M's mute is kept here too.
class SoundRules {
  public:
    // What plays the voices: Allegro's mixer, Web Audio, or a recorder.
    class Mixer {
      public:
        virtual ~Mixer() = default;

        // How long the effect sounds, in seconds; 0 while the mixer has no
        // sound for it, which then never starts.
        virtual double length(SoundEffect effect) const = 0;
        // Starts a voice of the effect at a volume from 0 to kTop (kTop the
        // loudest the mixer plays a voice), a pan from 0 at the left to kTop
        // at the right, and a priority from 0 to kTop: when every voice is
        // busy it takes the voice of one of lower or equal priority, the
        // oldest of the lowest, or does not start.
        virtual void startVoice(SoundEffect effect, int volume, int pan, int priority) = 0;
    };

    // The top of the mixer's volume, pan and priority, as Allegro's.
    static constexpr int kTop = 255;

    explicit SoundRules(Mixer& mixer) : mixer(mixer) {}

    // From now on the effects asked for start voices, timed on the clock, at
    // a volume from 0 (nothing starts) to 100; while muted none does until M.
    void open(Platform* clock, int volume, bool muted);

    // The effect, panned to x on the 320-pixel canvas, if the rules let it start.
    void play(SoundEffect effect, int x);
    // Turns the sound off, or back on.
    void toggleMute();
    // The volume from now on, 0 to 100.
    void setVolume(int newVolume) { volume = voiceVolume(newVolume); }
    bool muted() const { return isMuted; }

    // The mixer's volume for the game's 0 to 100: 100 is kTop.
    static int voiceVolume(int volume);
    // The mixer's pan for a canvas x: the left edge is 0.
    static int voicePan(int x);
    // The effect's priority: the effects that matter take a voice from a shot.
    static int priority(SoundEffect effect);

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

    // Whether the effect, asked for at now (seconds on the clock), may start;
    // a start is remembered.
    bool admit(SoundEffect effect, double now);

    Mixer& mixer;
    Platform* clock = nullptr;
    int volume = 0; // the mixer's 0 to kTop
    bool isMuted = false;

    // When the latest copies of each effect, and the latest shots of any
    // kind, started: newest first, on the clock.
    double started[kSoundEffectCount][kMostAtOnce] = {};
    double shotsStarted[kShotsTogether] = {};
};
