#pragma once

#include <atomic>

// One game, from the first frame to the player's quitting.
class GameSession {
  public:
    GameSession();

    // Runs the frame loop until `running` is false at the end of a frame.
    void run();

    // Draws the frame into the canvas and shows it.
    void draw();

    // The loop goes on while true; the close button clears it from the
    // library's own thread, hence atomic.
    std::atomic<bool> running{false};
};
