#include "web/WebPlatform.h"

#include <allegro.h>
#include <emscripten.h>

#include <utility>

namespace {

// The browser's clock, performance.now(), counts milliseconds, to a
// microsecond at best.
constexpr double kMillisecondsPerSecond = 1000.0;
constexpr long long kMicrosecondsPerSecond = 1000000;

// Keys by name beyond the letters and digits, which are counted out below.
constexpr std::pair<const char*, int> kNamedKeys[] = {
    {"Escape", KEY_ESC}, {"Tab", KEY_TAB},     {"Enter", KEY_ENTER},
    {"Delete", KEY_DEL}, {"Pause", KEY_PAUSE}, {"NumpadEnter", KEY_ENTER_PAD},
};

// How far past first the one character after prefix lies, as in "KeyA" and
// "Digit7"; -1 unless code is prefix and one character from first to last.
int charAfter(const std::string& code, const std::string& prefix, char first, char last) {
    if (code.size() != prefix.size() + 1 || code.compare(0, prefix.size(), prefix) != 0)
        return -1;
    const char c = code.back();
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

bool WebPlatform::keyChanged(const std::string& code, bool down) {
    const int key = scanCode(code);
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

void WebPlatform::releaseAll() {
    keysDown.clear();
    heldButtons = 0;
}

void WebPlatform::setFastForward(bool on) {
    fastForward = on;
}

int WebPlatform::scanCode(const std::string& code) {
    if (const int letter = charAfter(code, "Key", 'A', 'Z'); letter >= 0)
        return KEY_A + letter;
    if (const int digit = charAfter(code, "Digit", '0', '9'); digit >= 0)
        return KEY_0 + digit;
    if (const int digit = charAfter(code, "Numpad", '0', '9'); digit >= 0)
        return KEY_0_PAD + digit;
    for (const auto& [name, key] : kNamedKeys)
        if (code == name)
            return key;
    return 0;
}
