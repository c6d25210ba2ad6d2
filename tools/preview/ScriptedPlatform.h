#pragma once

#include "app/Platform.h"

// The machine as the preview plays it: a clock that moves when told, and a
// mouse that sits where the script puts it. Nothing waits and nothing reads
// a real device, so a whole game can be played without a display.
class ScriptedPlatform : public Platform {
  public:
    double now() override { return time; }
    long long clockFrequency() override { return 1000000000; }
    void yield() override {}
    void sleep(double) override {}
    int mouseX() override { return x; }
    int mouseY() override { return y; }
    int mouseButtons() override { return buttons; }
    bool keyPressed() override { return false; }
    int readKey() override { return 0; }
    bool keyDown(int) override { return false; }

    // Puts the pointer over canvas pixel (cx, cy); the window shows it doubled.
    void pointAt(int cx, int cy) {
        x = 2 * cx + 1;
        y = 2 * cy + 1;
    }

    double time = 0.0;
    int x = 0;
    int y = 0;
    int buttons = 0;
};
