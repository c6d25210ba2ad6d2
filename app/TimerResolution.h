#pragma once

// The finest timer the system offers, asked for while one of these lives, so
// that the frame wait's sleeps wake when asked rather than at the system's
// default tick. Linux sleeps to the microsecond already, so there it asks for
// nothing; systems with a coarse default tick raise it here.
class TimerResolution {
  public:
    TimerResolution();
    ~TimerResolution();
    TimerResolution(const TimerResolution&) = delete;
    TimerResolution& operator=(const TimerResolution&) = delete;
};
