#pragma once

#include "game/Layout.h"
#include "window/ChildProcess.h"
#include "window/Screenshot.h"

#include <chrono>
#include <string>

typedef struct _XDisplay Display;
typedef unsigned long XID;

// The game's window as a player sees it, driven from outside through the X
// server: what it is called, how big it is, what it shows, and the keys, mouse
// and close button that reach it. Key and mouse input goes through xdotool, so
// the game receives the same events a real keyboard and mouse would send.
class GameWindow {
  public:
    struct Geometry {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    // Connects to the display and waits until the game has mapped its window.
    // Throws when the game exits first or the timeout passes.
    GameWindow(const std::string& displayName, ChildProcess& game,
               std::chrono::milliseconds timeout);
    ~GameWindow();

    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // The title exactly as the game set it, every byte kept.
    std::string title();
    // WM_CLASS as "instance/class": what a desktop matches to a menu entry.
    std::string windowClass();
    // The width of the icon picture the window hands its desktop, 0 with none.
    int iconWidth();

    // Where the window sits on the screen and its size, in screen pixels.
    Geometry geometry();

    // Returns once the game has drawn the given number of whole new frames to
    // the window. Tests call it to know that the game has seen their input.
    void waitForFrames(int count);

    // The window's contents now, in window pixels.
    Screenshot screenshot();

    // Sends WM_DELETE_WINDOW, which is what a window manager does when the
    // player presses the close button.
    void pressCloseButton();

    // Key names are X keysym names: "Escape", "d", "Tab". The press is a tap;
    // hold and release are separate so that a test can keep a key down. With
    // no window manager, keys go to the window under the pointer: keep the
    // pointer over the game (it starts there, at the screen's centre).
    void pressKey(const std::string& keyName);
    // A key that is to end the game: it does not wait for a frame to follow.
    void pressKeyToEnd(const std::string& keyName);
    // Presses a key and returns at once, for a game at rest, which draws no
    // frame to wait for.
    void pressKeyAtRest(const std::string& keyName) { pressKeyToEnd(keyName); }
    void holdKey(const std::string& keyName);
    void releaseKey(const std::string& keyName);

    // Window pixels. The game samples the mouse once per frame, so a click
    // holds the button for several frames before letting go, and returns
    // after the game has seen the release.
    void moveMouse(int x, int y);
    void click(int x, int y, int button = 1);

    // A left click as quick as a touchpad's tap: the press and the release
    // reach the game between two of its frames.
    void tap(int x, int y);
    void tapCanvas(int x, int y) { tap(toWindow(x), toWindow(y)); }

    // A left click that is to end the game ("Yes" in the quit dialog): it
    // does not wait to see the release drawn, since no frame may follow.
    void clickToEnd(int x, int y);
    void clickCanvasToEnd(int x, int y) { clickToEnd(toWindow(x), toWindow(y)); }

    // A click on canvas pixel (x, y), at the centre of the window pixels
    // that show it, at whatever scale the game was started.
    void clickCanvas(int x, int y, int button = 1) { click(toWindow(x), toWindow(y), button); }
    // A click at the middle of a part of the game's screen.
    void clickCanvas(const layout::Rect& rect, int button = 1) {
        clickCanvas(rect.centreX(), rect.centreY(), button);
    }

    // A build button as the shipped data lays them out; the rightmost, 0,
    // also demolishes a selected tower.
    static constexpr layout::Rect buildButton(int type) {
        return layout::buildButton(type, kShippedButtonSpacing);
    }
    static constexpr int kShippedButtonSpacing = 20;

    // The window coordinate at the centre of a canvas column or row: the
    // scale is the same across and down.
    int toWindow(int canvasCoordinate);

  private:
    XID findGameWindow();
    unsigned long readPixel(int x, int y);
    void paintMarker(unsigned long colour);
    void xdotool(const std::vector<std::string>& arguments);
    void letTheGameSeeInput();
    [[noreturn]] void throwWindowGone();
    void throwIfGameEnded(const std::string& whileDoing);

    std::string displayName;
    ChildProcess& game;
    Display* display = nullptr;
    XID window = 0;

    // A colour the game is unlikely to draw, painted over one pixel of the
    // window: when the game's next frame covers it, that frame is complete.
    unsigned long markerColour = 0;
};
