#pragma once

#include "app/SoundEffect.h"

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
};
