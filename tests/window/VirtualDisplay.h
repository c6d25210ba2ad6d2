#pragma once

#include "window/ChildProcess.h"

#include <memory>
#include <string>

// An X server of the test's own (Xvfb, 1024 x 768 at 24 bits, no window
// manager) on a display number nobody else uses, so that tests can run side by
// side and beside anyone's Xvfb on :99. It is ready when the constructor
// returns and ends with the object.
class VirtualDisplay {
  public:
    // Throws std::runtime_error when Xvfb is missing or does not come up.
    VirtualDisplay();
    ~VirtualDisplay();

    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // The value for DISPLAY, such as ":3".
    const std::string& name() const { return displayName; }

    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

  private:
    std::unique_ptr<ChildProcess> server;
    std::string displayName;
};
