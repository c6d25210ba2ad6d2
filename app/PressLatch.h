#pragma once

#include <atomic>

// Mouse presses kept until a frame has looked. The game samples the buttons
// once a frame, and a quick tap on a touchpad goes down and up between two
// samples; latched, the press shows in the next sample and the release in
// the one after, so that the tap still counts as a click.
class PressLatch {
  public:
    // Buttons that went down, as the samples hold them (1 left, 2 right).
    // Safe to call from the input library's own thread.
    void press(int buttons);

    // The buttons a frame sees: those held now, and those pressed since the
    // last sample even if already let go.
    int sample(int heldNow);

  private:
    std::atomic<int> pressed{0};
};
