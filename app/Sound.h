#pragma once

#include "app/SoundEffect.h"

#include <string>
#include <vector>

class Engine;
class Platform;

// Where the game's sounds go. The game asks for an effect at each event, with
// the canvas x where it happens, and never learns whether anything was heard:
// this one hears nothing, as headless runs, tools and tests want.
class Sound {
  public:
    virtual ~Sound() = default;

    // The effect, panned to x on the 320-pixel canvas.
    virtual void play(SoundEffect effect, int x);
    // Turns the sound off, or back on.
    virtual void toggleMute();
    // Whether M has turned it off.
    virtual bool muted() const { return false; }
    // The volume from now on, 0 (nothing heard) to 100.
    virtual void setVolume(int volume);

    // A device's sound: loads the effects that the engine's settings name,
    // one line for each that is missing or unreadable, then opens the device
    // at a volume from 1 to 100, muted or not. This one has no device.
    virtual std::vector<std::string> load(const Engine& engine);
    virtual void open(int volume, bool startMuted, Platform* clock);

    // Lets the device go while the game stands still, or takes it back. An
    // open device mixes silence all the time, which under Wine costs more
    // than the whole still game.
    virtual void standBy(bool /*standing*/) {}
};
