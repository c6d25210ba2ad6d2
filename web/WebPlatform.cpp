#include "web/WebPlatform.h"

#include "game/Layout.h"

#include <allegro.h>
#include <emscripten.h>

#include <utility>

namespace {

// The browser's clock, performance.now(), counts milliseconds, to a
// microsecond at best.
constexpr double kMillisecondsPerSecond = 1000.0;
constexpr long long kMicrosecondsPerSecond = 1000000;

// Keys by name beyond the letters and digits, which are counted out below.
// The keypad's Enter and digits are named as the main keys are.
constexpr std::pair<const char*, int> kNamedKeys[] = {
    {"Escape", KEY_ESC}, {"Tab", KEY_TAB},     {"Enter", KEY_ENTER},
    {"Delete", KEY_DEL}, {"Pause", KEY_PAUSE},
};

// Where the pointer stands once every button is let go without a click:
// left of the picture and below the strip, inside no button, no tower and
// no ground.
constexpr int kAwayX = -1;
constexpr int kAwayY = layout::kCanvasHeight;

// How far past first the one character of key lies; -1 unless key is one
// character from first to last.
int charOf(const std::string& key, char first, char last) {
    if (key.size() != 1)
        return -1;
    const char c = key[0];
    return c >= first && c <= last ? c - first : -1;
}

} // namespace

double WebPlatform::now() {
    return emscripten_get_now() / kMillisecondsPerSecond;
}

long long WebPlatform::clockFrequency() {
    return kMicrosecondsPerSecond;
}

int WebPlatform::mouseButtons() {
    return latch.sample(heldButtons);
}

bool WebPlatform::keyPressed() {
    return !keys.empty();
}

int WebPlatform::readKey() {
    const int next = keys.front();
    keys.pop_front();
    return next;
}

bool WebPlatform::keyDown(int scanCode) {
    return keysDown.count(scanCode) != 0 || (scanCode == KEY_TAB && fastForward);
}

void WebPlatform::pointerMoved(int x, int y) {
    pointerX = x;
    pointerY = y;
}

void WebPlatform::buttonChanged(int button, bool down) {
    if (down) {
        heldButtons |= button;
        latch.press(button);
    } else {
        heldButtons &= ~button;
    }
}

bool WebPlatform::keyChanged(const std::string& name, bool down) {
    const int key = scanCode(name);
    if (key == 0)
        return false;
    if (down) {
        // A key held down repeats, as Allegro's queue repeats it.
        keys.push_back(key << 8);
        keysDown.insert(key);
    } else {
        keysDown.erase(key);
    }
    return true;
}

void WebPlatform::letGo() {
    heldButtons = 0;
    pointerX = kAwayX;
    pointerY = kAwayY;
}

void WebPlatform::releaseAll() {
    keysDown.clear();
    letGo();
}

void WebPlatform::setFastForward(bool on) {
    fastForward = on;
}

int WebPlatform::scanCode(const std::string& key) {
    if (const int letter = charOf(key, 'a', 'z'); letter >= 0)
        return KEY_A + letter;
    if (const int letter = charOf(key, 'A', 'Z'); letter >= 0)
        return KEY_A + letter;
    if (const int digit = charOf(key, '0', '9'); digit >= 0)
        return KEY_0 + digit;
    for (const auto& [name, code] : kNamedKeys)
        if (key == name)
            return code;
    return 0;
}

std::string WebPlatform::keyLabel(int scanCode) {
    if (scanCode >= KEY_A && scanCode <= KEY_Z)
        return std::string(1, static_cast<char>('A' + scanCode - KEY_A));
    if (scanCode >= KEY_0 && scanCode <= KEY_9)
        return std::string(1, static_cast<char>('0' + scanCode - KEY_0));
    return {};
}
