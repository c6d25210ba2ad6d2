#include "app/TimerResolution.h"

#include <windows.h>

// Windows wakes a sleeper at its default tick of some 15.6 ms, a whole frame
// late; one millisecond lets the frame wait sleep close to when it asked.
namespace {
constexpr UINT kFinestMs = 1;
}

TimerResolution::TimerResolution() {
    timeBeginPeriod(kFinestMs);
}

TimerResolution::~TimerResolution() {
    timeEndPeriod(kFinestMs);
}
