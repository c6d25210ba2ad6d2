#pragma once

#include "game/Layout.h"

#include <climits>
#include <cmath>

// Integer arithmetic on values that come from the settings. A modder may
// write any number there; getInt already pins it to an int, and these keep
// the sums and conversions made from it pinned too, so that an absurd value
// plays as the largest or smallest one rather than wrapping round.

// a + b, held at INT_MIN or INT_MAX when the true sum lies outside an int.
inline int saturatingAdd(int a, int b) {
    int sum;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? INT_MAX : INT_MIN;
}

// a - b, held the same way.
inline int saturatingSubtract(int a, int b) {
    int difference;
    if (!__builtin_sub_overflow(a, b, &difference))
        return difference;
    return b < 0 ? INT_MAX : INT_MIN;
}

// A real number cut toward zero and held within an int; not-a-number gives 0.
inline int truncatedToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

// The fastest anything moves, in pixels per second. Faster, it would cross the
// 320-pixel canvas between two frames at 60 a second, so no faster motion can
// be seen; held to it, positions stay well within an int whatever speed the
// settings ask for.
constexpr double kFastestSpeed = layout::kCanvasWidth * 60.0;

// A speed from the settings held within kFastestSpeed either way; not-a-number
// gives 0.
inline double heldSpeed(double speed) {
    if (std::isnan(speed))
        return 0.0;
    return std::fmax(-kFastestSpeed, std::fmin(speed, kFastestSpeed));
}
