#pragma once

#include "game/Layout.h"

class Engine;

// One of the program's screens: the title, How to Play, Options, or the
// game itself. Each frame it reads the player, moves on and draws; where the
// player asked to go next, the loop takes it there.
class Screen {
  public:
    // Where the player asked to go.
    enum class Next { Stay, Title, Play, HowToPlay, Options, Quit };

    explicit Screen(Engine& engine) : engine(&engine) {}
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // The player's keys and clicks of this frame, and dt seconds of real
    // time, eight times as many while fastForward (Tab) is held.
    virtual void update(double dt, bool fastForward) = 0;
    // Draws the frame into the engine's canvas.
    virtual void draw() = 0;
    // Whether, left alone, the screen would show the same picture frame
    // after frame; the loop then neither plays nor draws it until the player
    // does something.
    virtual bool still() const { return false; }
    // Whether nothing on it moves faster than the clouds: the loop then
    // plays it ten times a second rather than every frame, which moves no
    // cloud by more than a quarter of a pixel at a time.
    virtual bool calm() const { return false; }

    // Where the last update asked to go; Stay while the screen goes on.
    Next next = Next::Stay;
    Engine* engine;

  protected:
    // A release of the left or right button seen in this frame, and the left
    // button held.
    bool leftClick() const;
    bool rightClick() const;
    bool leftHeld() const;
    // The scan code of the key waiting, taken; 0 when none waits. One a
    // frame, so that two keys in one frame act in two.
    int takeKey() const;
};
