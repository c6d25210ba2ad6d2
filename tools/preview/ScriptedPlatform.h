#pragma once

#include "app/Platform.h"

#include <deque>

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
    bool keyPressed() override { return !keys.empty(); }
    int readKey() override {
        const int next = keys.front();
        keys.pop_front();
        return next;
    }
    bool keyDown(int) override { return false; }

    // A key pressed, as the keyboard queue reports it: scan code in the high byte.
    void press(int scanCode) { keys.push_back(scanCode << 8); }

    // Puts the pointer over canvas pixel (cx, cy); the window shows it doubled.
    void pointAt(int cx, int cy) {
        x = 2 * cx + 1;
        y = 2 * cy + 1;
    }

    double time = 0.0;
    int x = 0;
    int y = 0;
    int buttons = 0;
    std::deque<int> keys;
};
