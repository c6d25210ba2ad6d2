// Does what panels, docks and window-switching scripts do to a display: connect,
// read every top-level window's name, leave; again and again, with the pause in
// milliseconds given as the argument, until killed. Each time it leaves as the
// last client, the X server resets.
#include <X11/Xlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

// One look at the window list. The server may hang up on a client that
// arrives during its reset, which Xlib answers by ending the process; a
// process of its own for each look keeps the poller itself alive, as a script
// that runs xdotool again and again would be.
void readWindowNames() {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            char* name = nullptr;
            if (XFetchName(display, children[i], &name) && name)
                XFree(name);
        }
        XFree(children);
    }
    XCloseDisplay(display);
}

} // namespace

int main(int argc, char** argv) {
    const auto pause = std::chrono::milliseconds(argc > 1 ? std::stoi(argv[1]) : 50);
    while (true) {
        const pid_t look = fork();
        if (look == 0) {
            readWindowNames();
            _exit(0);
        }
        if (look > 0)
            waitpid(look, nullptr, 0);
        std::this_thread::sleep_for(pause);
    }
}
