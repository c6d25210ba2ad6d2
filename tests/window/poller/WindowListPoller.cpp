// Does what panels, docks and window-switching scripts do to a display: connect,
// read every top-level window's name, leave; again and again, with the pause in
// milliseconds given as the argument, until killed. Each time it leaves as the
// last client, the X server resets.
#include <X11/Xlib.h>

#include <chrono>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    const auto pause = std::chrono::milliseconds(argc > 1 ? std::stoi(argv[1]) : 50);
    while (true) {
        if (Display* display = XOpenDisplay(nullptr)) {
            Window root = 0;
            Window parent = 0;
            Window* children = nullptr;
            unsigned int count = 0;
            if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children,
                           &count)) {
                for (unsigned int i = 0; i < count; ++i) {
                    char* name = nullptr;
                    if (XFetchName(display, children[i], &name) && name)
                        XFree(name);
                }
                XFree(children);
            }
            XCloseDisplay(display);
        }
        std::this_thread::sleep_for(pause);
    }
}
