#include "app/PressLatch.h"

void PressLatch::press(int buttons) {
    pressed.fetch_or(buttons);
}

int PressLatch::sample(int heldNow) {
    return heldNow | pressed.exchange(0);
}
