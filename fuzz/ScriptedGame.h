#pragma once

#include "app/Platform.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <set>

class GameSession;

// Plays a session of the game from a script of frames, as the frame loop
// does, but with every frame's time, mouse, buttons and keys taken from the
// script. Four bytes make a frame:
//
//   flags    bits 0-2 the kind of frame time, bit 3 Tab held,
//            bits 4-5 a key pressed (none, Escape, D, the payload's key),
//            bits 6-7 the mouse buttons
//   payload  the frame time's size, or the key
//   x, y     the pointer, reaching a little past every edge of the window
//
// The frame times are those a broken clock or a stalled machine could hand
// the game: zero, ordinary, huge, negative, infinite and not a number.
class ScriptedGame : public Platform {
  public:
    // Takes over the engine's platform; the engine must hold a catalogue.
    ScriptedGame();
    ~ScriptedGame() override;
    ScriptedGame(const ScriptedGame&) = delete;
    ScriptedGame& operator=(const ScriptedGame&) = delete;

    // Starts a session and plays at most maxFrames frames of the script, or
    // until the session stops running; then ends the session. Returns the
    // frames played.
    int play(const uint8_t* script, size_t size, int maxFrames);

    // The session while play() runs, for callers that set a game up first.
    GameSession* session = nullptr;

    double now() override { return time; }
    long long clockFrequency() override { return 1000000000; }
    void yield() override { time += 0.001; }
    int mouseX() override { return x; }
    int mouseY() override { return y; }
    int mouseButtons() override { return buttons; }
    bool keyPressed() override { return !keys.empty(); }
    int readKey() override;
    bool keyDown(int scanCode) override { return held.count(scanCode) != 0; }

  private:
    double frameTime(unsigned kind, unsigned payload) const;
    void frame(const uint8_t* bytes);

    Platform* savedPlatform;
    double time = 1000.0;
    int x = 0;
    int y = 0;
    int buttons = 0;
    std::deque<int> keys;
    std::set<int> held;
};
