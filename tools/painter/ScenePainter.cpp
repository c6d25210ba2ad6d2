#include "painter/ScenePainter.h"

#include "painter/Dice.h"
#include "painter/Ink.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// A 4 x 4 ordered dither: the share of the lower colour grows row by row
// through a seam without any colour outside the palette.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Fills rows from top to bottom with `upper` turning into `lower` over the seam.
void ditheredBand(Picture& picture, int top, int seamStart, int seamEnd, int bottom, int upper,
                  int lower) {
    for (int y = top; y < bottom; ++y) {
        const double share = y < seamStart  ? 0.0
                             : y >= seamEnd ? 1.0
                                            : (y - seamStart + 0.5) / (seamEnd - seamStart);
        for (int x = 0; x < picture.width(); ++x)
            picture.set(x, y, kBayer[y % 4][x % 4] < share * 16 ? lower : upper);
    }
}

// A ridge line: a sum of slow waves, the same every run.
int ridge(int x, double base, double a1, double p1, double a2, double p2, double phase) {
    return static_cast<int>(base + a1 * std::sin(x / p1 + phase) +
                            a2 * std::sin(x / p2 + 2 * phase));
}

void sky(Picture& bg) {
    ditheredBand(bg, 0, 10, 26, 120, Ink::DarkBlue, Ink::Blue);
    ditheredBand(bg, 120, 128, 168, ScenePainter::kGroundLine, Ink::Blue, Ink::LightGrey);
    // A pale sun high on the right, where the clouds drift over it.
    bg.disc(262, 30, 9.5, Ink::Peach);
    bg.disc(262, 30, 8.0, Ink::White);
}

void hills(Picture& bg) {
    for (int x = 0; x < kWidth; ++x) {
        const int far = ridge(x, 176, 9, 41, 4, 13, 0.3);
        for (int y = far; y < ScenePainter::kGroundLine; ++y)
            bg.set(x, y, Ink::Lavender);
        const int near = ridge(x, 196, 6, 27, 3, 9, 1.7);
        for (int y = near; y < ScenePainter::kGroundLine; ++y)
            bg.set(x, y, y == near ? Ink::Green : Ink::DarkGreen);
    }
    // Round trees along the near ridge, dark against the far hills.
    Dice dice(0x7ee5);
    for (int x = 6; x < kWidth; x += 14 + dice.roll(22)) {
        const int foot = ridge(x, 196, 6, 27, 3, 9, 1.7);
        const double radius = 3 + dice.roll(3);
        bg.line(x, foot, x, foot - static_cast<int>(radius), Ink::Brown);
        bg.disc(x, foot - radius - 1, radius, Ink::DarkGreen);
        bg.disc(x - 1, foot - radius - 2, radius - 1.5, Ink::Green);
    }
}

void ground(Picture& bg) {
    const int line = ScenePainter::kGroundLine;
    Dice dice(0x6a55);
    // Grass: a bright edge with tufts poking above it, darker underneath.
    bg.fillRect(0, line, kWidth, 2, Ink::Green);
    for (int x = 0; x < kWidth; ++x) {
        if (dice.roll(4) == 0)
            bg.set(x, line - 1, Ink::Green);
        if (dice.roll(9) == 0)
            bg.set(x, line - 2, Ink::Green);
        bg.set(x, line + 1, dice.roll(3) == 0 ? Ink::DarkGreen : Ink::Green);
    }
    bg.fillRect(0, line + 2, kWidth, 1, Ink::DarkGreen);
    ditheredBand(bg, line + 3, line + 3, line + 4, line + 4, Ink::DarkGreen, Ink::Brown);
    // Soil fading into the dark, calm strip under the status display.
    ditheredBand(bg, line + 4, line + 4, ScenePainter::kStatusStripTop + 2, kHeight, Ink::DarkGrey,
                 Ink::Black);
    for (int x = 0; x < kWidth; ++x)
        if (dice.roll(3) == 0)
            bg.set(x, line + 4, Ink::Brown);
    for (int pebble = 0; pebble < 40; ++pebble) {
        const int x = dice.roll(kWidth);
        const int y = ScenePainter::kStatusStripTop + 3 +
                      dice.roll(kHeight - ScenePainter::kStatusStripTop - 3);
        bg.set(x, y, Ink::DarkBlue);
    }
}

} // namespace

Picture ScenePainter::background() {
    Picture bg(kWidth, kHeight);
    sky(bg);
    hills(bg);
    ground(bg);
    return bg;
}

Picture ScenePainter::cloud(int n) {
    struct Shape {
        int width, height, bumps;
        unsigned seed;
    };
    static const Shape kShapes[] = {
        {36, 13, 4, 11}, {20, 7, 3, 22}, {27, 9, 3, 33}, {54, 17, 5, 44}, {44, 14, 4, 55},
    };
    const Shape& shape = kShapes[std::clamp(n, 1, 5) - 1];
    Dice dice(shape.seed);

    // Round bumps on a flat bottom, the middle ones the tallest, with a lower
    // layer of small ones in front.
    Picture cloud(shape.width, shape.height);
    const int bottom = shape.height - 1;
    double firstX = shape.width, lastX = 0;
    for (int b = 0; b < shape.bumps; ++b) {
        const double across = (b + 0.5) / shape.bumps;
        const double middle = 1.0 - std::fabs(across - 0.5) * 1.6;
        const double radius = std::max(2.0, shape.height * (0.22 + 0.27 * middle) + dice.roll(2));
        const double cx = std::clamp(across * shape.width, radius, shape.width - 1 - radius);
        cloud.disc(cx, bottom - radius * 1.2 + 1, radius, Ink::White);
        firstX = std::min(firstX, cx);
        lastX = std::max(lastX, cx);
    }
    const double low = std::max(1.5, shape.height * 0.22);
    for (double x = firstX; x <= lastX; x += low * 1.3)
        cloud.disc(x + dice.roll(2), bottom - low + 1, low, Ink::White);
    cloud.fillRect(static_cast<int>(firstX), bottom - static_cast<int>(low),
                   static_cast<int>(lastX - firstX) + 1, static_cast<int>(low) + 1, Ink::White);

    // A light grey shadow along the underside, dithered into the white.
    const int shadow = std::max(2, shape.height / 4);
    for (int y = 0; y < shape.height; ++y) {
        for (int x = 0; x < shape.width; ++x) {
            if (cloud.at(x, y) == Picture::kClear)
                continue;
            const int fromBottom = bottom - y;
            const bool shaded = fromBottom < shadow - 1 ||
                                (fromBottom == shadow - 1 && (x + y) % 2 == 0) ||
                                cloud.at(x, y + 1) == Picture::kClear;
            if (shaded)
                cloud.set(x, y, Ink::LightGrey);
        }
    }
    return cloud;
}
