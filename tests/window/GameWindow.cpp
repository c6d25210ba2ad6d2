#include "window/GameWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <stdexcept>
#include <thread>

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(2);
// Generous: the sanitized game on a busy two-core machine can be slow.
constexpr auto kFrameTimeout = std::chrono::seconds(10);
constexpr auto kXdotoolTimeout = std::chrono::seconds(10);
// The window goes a moment before the process can be reaped.
constexpr auto kExitAfterWindowGone = std::chrono::seconds(2);

// Allegro reads X events on a thread of its own, and the game samples the
// mouse once per frame: input needs both some frames and some time to land.
constexpr int kInputFrames = 3;
constexpr auto kInputTime = std::chrono::milliseconds(100);

// A vivid green that neither a cleared canvas nor the game's art uses.
constexpr unsigned short kMarkerRed = 0x01;
constexpr unsigned short kMarkerGreen = 0xfe;
constexpr unsigned short kMarkerBlue = 0x02;

// Xlib's default handler ends the process on the first protocol error, and a
// window that vanishes because the game ended is an ordinary event here: the
// calls that can meet it report failure through their results instead.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

int channelShift(unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// Converts the server's pixels to 0xRRGGBB, with the shifts found once per
// image rather than once per pixel: a look at the whole window has to be quick
// enough to catch an effect that lasts a second, in the sanitizer build too.
class RgbReader {
  public:
    explicit RgbReader(const XImage* image)
        : image(image), red(channelShift(image->red_mask)), green(channelShift(image->green_mask)),
          blue(channelShift(image->blue_mask)) {}

    std::uint32_t operator()(unsigned long pixel) const {
        return channel(pixel, image->red_mask, red) << 16 |
               channel(pixel, image->green_mask, green) << 8 |
               channel(pixel, image->blue_mask, blue);
    }

  private:
    static std::uint32_t channel(unsigned long pixel, unsigned long mask, int shift) {
        return static_cast<std::uint32_t>(((pixel & mask) >> shift) & 0xff);
    }

    const XImage* image;
    int red, green, blue;
};

std::string describeStatus(const std::optional<int>& status) {
    return status ? "with status " + std::to_string(*status) : "";
}

} // namespace

GameWindow::GameWindow(const std::string& displayName, ChildProcess& game,
                       std::chrono::milliseconds timeout)
    : displayName(displayName), game(game) {
    XSetErrorHandler(ignoreError);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    // The server drops connections that arrive while it resets, which it does
    // whenever its last client leaves: the game may not have connected yet.
    // Writing to a dropped connection raises SIGPIPE, which would end the test.
    std::signal(SIGPIPE, SIG_IGN);
    while (!(display = XOpenDisplay(displayName.c_str()))) {
        if (std::chrono::steady_clock::now() >= deadline)
            throw std::runtime_error("cannot connect to the X display " + displayName);
        std::this_thread::sleep_for(kPollInterval);
    }

    while (!(window = findGameWindow())) {
        throwIfGameEnded("before opening its window");
        if (std::chrono::steady_clock::now() >= deadline)
            throw std::runtime_error(game.name() + " opened no window within " +
                                     std::to_string(timeout.count()) + " ms");
        std::this_thread::sleep_for(kPollInterval);
    }

    XColor marker{};
    marker.red = kMarkerRed * 257;
    marker.green = kMarkerGreen * 257;
    marker.blue = kMarkerBlue * 257;
    XAllocColor(display, DefaultColormap(display, DefaultScreen(display)), &marker);
    markerColour = marker.pixel;
}

GameWindow::~GameWindow() {
    XCloseDisplay(display);
}

XID GameWindow::findGameWindow() {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;

    // The display is the test's own and has no window manager, so the game's
    // is the one mapped top-level window that names its class.
    XID found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        XClassHint hint{};
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && XGetClassHint(display, children[i], &hint)) {
            found = children[i];
            XFree(hint.res_name);
            XFree(hint.res_class);
        }
    }
    XFree(children);
    return found;
}

std::string GameWindow::title() {
    XTextProperty name{};
    if (!XGetWMName(display, window, &name) || !name.value)
        return "";
    const std::string text(reinterpret_cast<const char*>(name.value), name.nitems);
    XFree(name.value);
    return text;
}

std::string GameWindow::windowClass() {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint))
        return "";
    const std::string names = std::string(hint.res_name) + "/" + hint.res_class;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return names;
}

int GameWindow::iconWidth() {
    XWMHints* hints = XGetWMHints(display, window);
    if (!hints)
        return 0;
    const Pixmap icon = (hints->flags & IconPixmapHint) ? hints->icon_pixmap : 0;
    XFree(hints);
    Window root;
    int x, y;
    unsigned width = 0, height, border, depth;
    if (!icon || !XGetGeometry(display, icon, &root, &x, &y, &width, &height, &border, &depth))
        return 0;
    return static_cast<int>(width);
}

GameWindow::Geometry GameWindow::geometry() {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        throwWindowGone();
    return {attributes.x, attributes.y, attributes.width, attributes.height};
}

unsigned long GameWindow::readPixel(int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        throwWindowGone();
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

void GameWindow::paintMarker(unsigned long colour) {
    const Geometry size = geometry();
    XGCValues values{};
    values.foreground = colour;
    // Allegro draws into a child window; paint through it.
    values.subwindow_mode = IncludeInferiors;
    const GC context = XCreateGC(display, window, GCForeground | GCSubwindowMode, &values);
    XDrawPoint(display, window, context, size.width - 1, size.height - 1);
    XFreeGC(display, context);
    XSync(display, False);
}

void GameWindow::waitForFrames(int count) {
    for (int frame = 0; frame < count; ++frame) {
        paintMarker(markerColour);
        const Geometry size = geometry();
        const auto deadline = std::chrono::steady_clock::now() + kFrameTimeout;
        while (readPixel(size.width - 1, size.height - 1) == markerColour) {
            throwIfGameEnded("while the test waited for a frame");
            if (std::chrono::steady_clock::now() >= deadline)
                throw std::runtime_error(game.name() + " drew no frame for " +
                                         std::to_string(kFrameTimeout.count()) + " s");
            std::this_thread::sleep_for(kPollInterval);
        }
    }
}

Screenshot GameWindow::screenshot() {
    const Geometry size = geometry();
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(size.width),
                              static_cast<unsigned>(size.height), AllPlanes, ZPixmap);
    if (!image)
        throwWindowGone();
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(size.width) * size.height);
    const RgbReader toRgb(image);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            pixels.push_back(toRgb(XGetPixel(image, x, y)));
    XDestroyImage(image);
    return Screenshot(size.width, size.height, std::move(pixels));
}

void GameWindow::pressCloseButton() {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

void GameWindow::pressKey(const std::string& keyName) {
    xdotool({"key", keyName});
    letTheGameSeeInput();
}

void GameWindow::pressKeyToEnd(const std::string& keyName) {
    xdotool({"key", keyName});
}

void GameWindow::holdKey(const std::string& keyName) {
    xdotool({"keydown", keyName});
    letTheGameSeeInput();
}

void GameWindow::releaseKey(const std::string& keyName) {
    xdotool({"keyup", keyName});
    letTheGameSeeInput();
}

void GameWindow::moveMouse(int x, int y) {
    const Geometry place = geometry();
    xdotool({"mousemove", std::to_string(place.x + x), std::to_string(place.y + y)});
    letTheGameSeeInput();
}

void GameWindow::click(int x, int y, int button) {
    moveMouse(x, y);
    xdotool({"mousedown", std::to_string(button)});
    letTheGameSeeInput();
    xdotool({"mouseup", std::to_string(button)});
    letTheGameSeeInput();
}

void GameWindow::tap(int x, int y) {
    moveMouse(x, y);
    xdotool({"click", "1"});
    letTheGameSeeInput();
}

void GameWindow::clickToEnd(int x, int y) {
    moveMouse(x, y);
    xdotool({"mousedown", "1"});
    letTheGameSeeInput();
    xdotool({"mouseup", "1"});
}

int GameWindow::toWindow(int canvasCoordinate) {
    const int scale = geometry().width / layout::kCanvasWidth;
    return scale * canvasCoordinate + scale / 2;
}

void GameWindow::xdotool(const std::vector<std::string>& arguments) {
    ChildProcess::Launch launch;
    launch.command = {"xdotool"};
    launch.command.insert(launch.command.end(), arguments.begin(), arguments.end());
    launch.environment["DISPLAY"] = displayName;
    ChildProcess tool(launch);
    const std::optional<int> status = tool.waitForExit(kXdotoolTimeout);
    if (status != 0)
        throw std::runtime_error("xdotool " + arguments.front() + " failed " +
                                 (status ? describeStatus(status) : "to finish in time"));
}

void GameWindow::letTheGameSeeInput() {
    const auto earliest = std::chrono::steady_clock::now() + kInputTime;
    waitForFrames(kInputFrames);
    std::this_thread::sleep_until(earliest);
}

void GameWindow::throwWindowGone() {
    game.waitForExit(kExitAfterWindowGone);
    throwIfGameEnded("and took its window away");
    throw std::runtime_error("the game's window is gone or cannot be read");
}

void GameWindow::throwIfGameEnded(const std::string& whileDoing) {
    if (!game.running())
        throw std::runtime_error(game.name() + " exited " +
                                 describeStatus(game.waitForExit(std::chrono::milliseconds(0))) +
                                 " " + whileDoing);
}
