#pragma once

#include "support/FakePlatform.h"

#include <cstddef>
#include <cstdint>

class GameSession;
class PlayfieldScreen;

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
class ScriptedGame {
  public:
    // Takes over the engine's platform; the engine must hold a catalogue.
    ScriptedGame();
    ~ScriptedGame();
    ScriptedGame(const ScriptedGame&) = delete;
    ScriptedGame& operator=(const ScriptedGame&) = delete;

    // Starts a session and plays at most maxFrames frames of the script, or
    // until the session stops running or has shown framesAfterGameOver frames
    // of the lost game; then ends the session. Returns the frames played.
    // Once the game is lost every frame greys the whole canvas, pixel by
    // pixel: a few frames show the dialog and its answers, more only cost time.
    int play(const uint8_t* script, size_t size, int maxFrames, int framesAfterGameOver = 12);

  private:
    static double frameTime(unsigned kind, unsigned payload);
    void frame(const uint8_t* bytes);

    FakePlatform platform;
    Platform* savedPlatform;
    GameSession* session = nullptr;
    PlayfieldScreen* screen = nullptr;
};
