#pragma once

#include "app/Platform.h"

#include <deque>
#include <set>

// The machine as a test wants it: a clock that moves only when told or when
// the game yields or sleeps, a mouse and a keyboard the test sets.
class FakePlatform : public Platform {
  public:
    double now() override { return time; }
    long long clockFrequency() override { return 1000000000; }
    void yield() override {
        ++yields;
        time += yieldStep;
    }
    void sleep(double seconds) override {
        ++sleeps;
        slept += seconds;
        time += seconds + oversleep;
    }
    int mouseX() override { return x; }
    int mouseY() override { return y; }
    int mouseButtons() override { return buttons; }
    bool keyPressed() override { return !keys.empty(); }
    int readKey() override {
        const int next = keys.front();
        keys.pop_front();
        return next;
    }
    bool keyDown(int scanCode) override { return held.count(scanCode) != 0; }
    bool lastInputByTouch() override { return touch; }

    // Queues a key press as readkey reports it: scan code in the high byte.
    void press(int scanCode) { keys.push_back(scanCode << 8); }

    double time = 100.0;
    double yieldStep = 0.001;
    int yields = 0;
    // How much later than asked each sleep wakes; below zero, how much earlier.
    double oversleep = 0.0;
    int sleeps = 0;
    double slept = 0.0;
    int x = 0, y = 0, buttons = 0;
    bool touch = false;
    std::deque<int> keys;
    std::set<int> held;
};
