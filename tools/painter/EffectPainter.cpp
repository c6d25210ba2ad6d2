#include "painter/EffectPainter.h"

#include "painter/Dice.h"
#include "painter/Ink.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kDirections = 16;
constexpr int kMissileSize = 11;

Picture missileFrame(double heading) {
    Picture frame(kMissileSize, kMissileSize);
    const double centre = kMissileSize / 2;
    const double ax = std::cos(heading), ay = -std::sin(heading);
    // Flame, fins, body and nose, from the tail forwards, each over the last.
    for (double t = -4.0; t <= 3.0; t += 0.25) {
        const int x = static_cast<int>(std::lround(centre + t * ax));
        const int y = static_cast<int>(std::lround(centre + t * ay));
        int colour = Ink::White;
        if (t < -3.0)
            colour = Ink::Yellow;
        else if (t < -1.5)
            colour = Ink::LightGrey;
        else if (t >= 2.0)
            colour = Ink::Red;
        frame.set(x, y, colour);
    }
    for (int side : {-1, 1}) {
        const int x = static_cast<int>(std::lround(centre - 2.2 * ax - side * ay));
        const int y = static_cast<int>(std::lround(centre - 2.2 * ay + side * ax));
        frame.set(x, y, Ink::Red);
    }
    frame.outline(Ink::DarkBlue);
    return frame;
}

// A clump of round puffs flying apart from the centre, shrinking as they go.
Picture puffRing(int size, double spread, double radius, int colour, int highlight, Dice& dice) {
    Picture frame(size, size);
    const double centre = size / 2.0 - 0.5;
    for (int p = 0; p < 6; ++p) {
        const double angle = (p * 60 + dice.roll(30)) * kPi / 180.0;
        const double x = centre + spread * std::cos(angle);
        const double y = centre + spread * std::sin(angle);
        frame.disc(x, y, radius, colour);
        if (highlight != Picture::kClear)
            frame.disc(x - 0.5, y - 0.5, radius * 0.5, highlight);
    }
    return frame;
}

// Smoke thinning out: half the pixels kept in a checker pattern, or a quarter.
Picture thinned(Picture frame, int keepEvery) {
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const bool kept = keepEvery == 2 ? (x + y) % 2 == 0 : x % 2 == 0 && y % 2 == 0;
            if (!kept)
                frame.set(x, y, Picture::kClear);
        }
    }
    return frame;
}

} // namespace

SheetStrip EffectPainter::missile() {
    SheetStrip strip(kMissileSize, kMissileSize);
    for (int k = 0; k < kDirections; ++k) {
        const int frame = strip.add(missileFrame(k * 2.0 * kPi / kDirections));
        strip.animate(std::to_string(k) + ": pointing " + std::to_string(k * 225 / 10) +
                          (k % 2 ? ".5" : "") + " degrees counter-clockwise from right",
                      1.0f, {frame});
    }
    return strip;
}

SheetStrip EffectPainter::poof() {
    return burst(16, {Ink::White, Ink::LightGrey, Ink::Lavender}, 0x9007,
                 "0: a puff of white smoke, played once");
}

SheetStrip EffectPainter::shards() {
    return burst(16, {Ink::White, Ink::LightGrey, Ink::DarkGrey}, 0x5be11,
                 "0: the shell bursts into grey shards, played once");
}

SheetStrip EffectPainter::feathers() {
    return burst(16, {Ink::Yellow, Ink::Orange, Ink::Peach}, 0xfea7,
                 "0: a puff of yellow down, played once");
}

SheetStrip EffectPainter::broodBurst() {
    return burst(32, {Ink::White, Ink::Green, Ink::DarkGreen}, 0xb00d,
                 "0: the broodmother bursts in a great green cloud, played once");
}

SheetStrip EffectPainter::burst(int size, const std::array<int, 3>& inks, unsigned seed,
                                const std::string& note) {
    SheetStrip strip(size, size);
    Dice dice(seed);
    // The shipped poof was drawn at 16 pixels; larger bursts spread as far
    // in proportion.
    const double scale = size / 16.0;
    const double centre = size / 2.0 - 0.5;
    Picture first(size, size);
    first.disc(centre, centre, 3.2 * scale, inks[0]);
    const std::vector<int> frames = strip.add({
        first,
        puffRing(size, 2.5 * scale, 2.6 * scale, inks[1], inks[0], dice),
        puffRing(size, 4.0 * scale, 2.2 * scale, inks[1], inks[0], dice),
        puffRing(size, 5.2 * scale, 1.7 * scale, inks[2], inks[1], dice),
        thinned(puffRing(size, 6.2 * scale, 1.2 * scale, inks[2], Picture::kClear, dice), 2),
    });
    strip.animate(note, 15.0f, frames);
    return strip;
}

SheetStrip EffectPainter::explosionSmall() {
    constexpr int kSize = 16;
    constexpr double kCentre = 7.5;
    SheetStrip strip(kSize, kSize);
    Dice dice(0xb00b);
    auto blob = [&](Picture& frame, double radius, int colour) {
        frame.disc(kCentre, kCentre, radius, colour);
        for (int lump = 0; lump < 5; ++lump) {
            const double angle = dice.roll(360) * kPi / 180.0;
            frame.disc(kCentre + radius * 0.7 * std::cos(angle),
                       kCentre + radius * 0.7 * std::sin(angle), radius * 0.45, colour);
        }
    };
    // Each frame: a lumpy outer cloud, a lumpy inner one, a round core, and
    // how thin the smoke has worn (keep every pixel, every second, every fourth).
    struct Layer {
        double radius;
        int colour;
    };
    struct Burst {
        Layer outer, inner, core;
        int keepEvery;
    };
    constexpr int kNone = Picture::kClear;
    constexpr Burst kBursts[] = {
        {{2.5, Ink::White}, {0, kNone}, {0, kNone}, 1},
        {{4.2, Ink::Yellow}, {0, kNone}, {2.5, Ink::White}, 1},
        {{5.6, Ink::Orange}, {3.8, Ink::Yellow}, {1.5, Ink::White}, 1},
        {{6.2, Ink::Red}, {4.2, Ink::Orange}, {1.8, Ink::Yellow}, 1},
        {{6.4, Ink::DarkGrey}, {3.5, Ink::Red}, {1.2, Ink::Orange}, 1},
        {{6.4, Ink::DarkGrey}, {0, kNone}, {1.5, Ink::DarkGrey}, 2},
        {{6.6, Ink::DarkGrey}, {0, kNone}, {0, kNone}, 4},
    };
    std::vector<Picture> frames;
    for (const Burst& burst : kBursts) {
        Picture frame(kSize, kSize);
        blob(frame, burst.outer.radius, burst.outer.colour);
        if (burst.inner.colour != kNone)
            blob(frame, burst.inner.radius, burst.inner.colour);
        if (burst.keepEvery > 1)
            frame = thinned(frame, burst.keepEvery);
        if (burst.core.colour != kNone)
            frame.disc(kCentre, kCentre, burst.core.radius, burst.core.colour);
        frames.push_back(frame);
    }
    strip.animate("0: a burst from white to yellow, orange and smoke, played once", 20.0f,
                  strip.add(frames));
    return strip;
}

SheetStrip EffectPainter::puff(int size) {
    SheetStrip strip(size, size);
    const double centre = size / 2.0 - 0.5;
    const double grow = size / 10.0;
    // Swells white to grey, then shrinks away in lavender: smoke fading
    // without any colour outside the palette.
    std::vector<Picture> frames(5, Picture(size, size));
    frames[0].disc(centre, centre, 1.5 * grow, Ink::White);
    frames[1].disc(centre, centre, 2.3 * grow, Ink::LightGrey);
    frames[1].disc(centre - 0.5, centre - 0.5, 1.2 * grow, Ink::White);
    frames[2].disc(centre, centre - 0.5, 3.0 * grow, Ink::LightGrey);
    frames[2].disc(centre + 0.5, centre, 1.6 * grow, Ink::Lavender);
    frames[3].disc(centre, centre - 1.0, 2.6 * grow, Ink::Lavender);
    frames[4].disc(centre, centre - 1.5, 1.6 * grow, Ink::Lavender);
    strip.animate("0: a grey puff that swells and fades, played once", 14.0f, strip.add(frames));
    return strip;
}

Picture EffectPainter::laserSmall() {
    Picture bolt(3, 10);
    bolt.stamp(0, 0, {".7.", "e7e", "e7e", "e7e", "e7e", "e7e", "8e8", "8e8", ".8.", ".2."});
    return bolt;
}

Picture EffectPainter::laserMedium() {
    Picture bolt(5, 14);
    bolt.stamp(0, 0,
               {"..7..", ".e7e.", "8e7e8", "8e7e8", "8e7e8", "8e7e8", "8e7e8", "8e7e8", "8e7e8",
                ".8e8.", ".8e8.", "..8..", "..8..", "..2.."});
    return bolt;
}
