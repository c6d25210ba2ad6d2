#pragma once

// What the game asks of the machine once per frame: the clock, a rest or a
// moment's yield, the mouse and the keyboard. The game talks to Allegro through
// this seam so that the tests can drive a whole session without a display.
class Platform {
  public:
    virtual ~Platform() = default;

    // Seconds on a monotonic clock; only differences mean anything.
    virtual double now() = 0;
    // Ticks per second of the clock behind now().
    virtual long long clockFrequency() = 0;
    // Gives up the processor for the rest of the time slice, without sleeping.
    virtual void yield() = 0;
    // Sleeps for at least this many seconds; the system may wake it later.
    virtual void sleep(double seconds) = 0;

    // Mouse position in window pixels and the button bits (1 left, 2 right).
    virtual int mouseX() = 0;
    virtual int mouseY() = 0;
    virtual int mouseButtons() = 0;

    // Keyboard queue: whether a key waits, and the next one (scan code << 8 | ASCII).
    virtual bool keyPressed() = 0;
    virtual int readKey() = 0;
    // Whether the key with this scan code is held down now.
    virtual bool keyDown(int scanCode) = 0;
    // Whether the player's last touch of the game was a finger's, which has
    // no right button: what the game says to do then names the page's own.
    virtual bool lastInputByTouch() { return false; }
};

// The real thing: std::chrono::steady_clock and Allegro's input globals.
class AllegroPlatform : public Platform {
  public:
    // From now on a press that is let go before the next frame still reaches
    // it. Call once the mouse is installed.
    void latchPresses();

    double now() override;
    long long clockFrequency() override;
    void yield() override;
    void sleep(double seconds) override;
    int mouseX() override;
    int mouseY() override;
    int mouseButtons() override;
    bool keyPressed() override;
    int readKey() override;
    bool keyDown(int scanCode) override;
};
