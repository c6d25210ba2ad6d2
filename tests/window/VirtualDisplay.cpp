#include "window/VirtualDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr auto kStopGrace = std::chrono::milliseconds(2000);

// Xvfb writes the display number it chose to this descriptor once it accepts
// connections, which both picks a free number and says when it is ready.
constexpr const char* kDisplayDescriptor = "3";

std::string readDisplayNumber(int descriptor) {
    std::string number;
    pollfd watch{descriptor, POLLIN, 0};
    while (number.empty() || number.back() != '\n') {
        const int ready = poll(&watch, 1, kStartTimeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return "";
        char chunk[16];
        const ssize_t got = read(descriptor, chunk, sizeof chunk);
        if (got <= 0)
            break;
        number.append(chunk, static_cast<size_t>(got));
    }
    while (!number.empty() && (number.back() == '\n' || number.back() == ' '))
        number.pop_back();
    return number;
}

} // namespace

VirtualDisplay::VirtualDisplay() {
    int numberPipe[2];
    if (pipe2(numberPipe, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("cannot make a pipe for Xvfb: ") +
                                 std::strerror(errno));

    const std::string screen = std::to_string(kWidth) + "x" + std::to_string(kHeight) + "x24";
    ChildProcess::Launch launch;
    launch.command = {"Xvfb", "-displayfd", kDisplayDescriptor, "-screen",
                      "0",    screen,       "-nolisten",        "tcp"};
    launch.passedDescriptor = numberPipe[1];
    try {
        server = std::make_unique<ChildProcess>(launch);
    } catch (...) {
        close(numberPipe[0]);
        close(numberPipe[1]);
        throw;
    }
    close(numberPipe[1]);

    const std::string number = readDisplayNumber(numberPipe[0]);
    close(numberPipe[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not report a display within " +
                                 std::to_string(kStartTimeoutMs / 1000) + " s");
    displayName = ":" + number;
}

VirtualDisplay::~VirtualDisplay() {
    // Politely first, so that Xvfb removes its lock file and socket.
    server->stop(kStopGrace);
}
