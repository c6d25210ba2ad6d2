#pragma once

#include "app/Platform.h"
#include "app/PressLatch.h"

#include <deque>
#include <set>
#include <string>

// The machine as a page sees it: the browser's clock, and the pointer, the
// buttons and the keys that the page's event handlers hand over, kept until
// a frame reads them. The pointer is in canvas pixels, so the engine's scale
// is 1 here.
class WebPlatform : public Platform {
  public:
    double now() override;
    long long clockFrequency() override;
    // The browser paces the frames and the page never waits; neither is
    // called there.
    void yield() override {}
    void sleep(double) override {}
    int mouseX() override { return pointerX; }
    int mouseY() override { return pointerY; }
    int mouseButtons() override;
    bool keyPressed() override;
    int readKey() override;
    bool keyDown(int scanCode) override;

    // The pointer is over canvas pixel (x, y).
    void pointerMoved(int x, int y);
    // A button (1 left, 2 right) went down or up. A press counts in the next
    // frame even when it is let go first.
    void buttonChanged(int button, bool down);
    // A key went down or up, named by its label as the browser's
    // KeyboardEvent.key names it ("p", "P", "Escape"), so that the keys are
    // the ones a player's own keyboard shows. Whether it is a key the game
    // reads: the page keeps those from the browser.
    bool keyChanged(const std::string& key, bool down);
    // Every button let go without a click, as when the browser takes a touch
    // back or a finger lifts off the picture: the pointer stands away from
    // it, where a release meets nothing, until it moves again.
    void letGo();
    // Every key and button let go, the buttons without a click, as when the
    // page loses the keyboard and will never hear them come up.
    void releaseAll();
    // Fast forward held by the page's button, as by Tab.
    void setFastForward(bool on);
    // Whether the last pointer to go down, or key, was a finger's.
    void setTouched(bool touch) { touched = touch; }
    bool lastInputByTouch() override { return touched; }

    // The Allegro scan code of a KeyboardEvent.key, letters in either case;
    // 0 for a key the game does not know.
    static int scanCode(const std::string& key);
    // The label of a letter's or a digit's scan code, as the page shows it
    // on a button ("1", "U"); empty for any other key.
    static std::string keyLabel(int scanCode);

  private:
    bool touched = false;
    int pointerX = 0;
    int pointerY = 0;
    int heldButtons = 0;
    PressLatch latch;

    // The keyboard queue, as readkey's (scan code << 8), and the keys down.
    std::deque<int> keys;
    std::set<int> keysDown;
    bool fastForward = false;
};
