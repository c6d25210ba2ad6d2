#include "app/Platform.h"

#include "app/PressLatch.h"

#include <allegro.h>

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

PressLatch latch;

// Called by Allegro, on its own thread, for every movement and button change.
void onMouseEvent(int flags) {
    if (flags & MOUSE_FLAG_LEFT_DOWN)
        latch.press(1);
    if (flags & MOUSE_FLAG_RIGHT_DOWN)
        latch.press(2);
    if (flags & MOUSE_FLAG_MIDDLE_DOWN)
        latch.press(4);
}

} // namespace

void AllegroPlatform::latchPresses() {
    mouse_callback = onMouseEvent;
}

double AllegroPlatform::now() {
    const auto ticks = Clock::now().time_since_epoch().count();
    return static_cast<double>(ticks) / static_cast<double>(clockFrequency());
}

long long AllegroPlatform::clockFrequency() {
    return static_cast<long long>(Clock::period::den) / Clock::period::num;
}

void AllegroPlatform::yield() {
    rest(0);
}

void AllegroPlatform::sleep(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

int AllegroPlatform::mouseX() {
    return mouse_x;
}
int AllegroPlatform::mouseY() {
    return mouse_y;
}
int AllegroPlatform::mouseButtons() {
    return latch.sample(mouse_b);
}

bool AllegroPlatform::keyPressed() {
    return keypressed() != 0;
}
int AllegroPlatform::readKey() {
    return readkey();
}

bool AllegroPlatform::keyDown(int scanCode) {
    return scanCode >= 0 && scanCode < KEY_MAX && key[scanCode] != 0;
}
