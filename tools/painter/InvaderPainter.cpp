#include "painter/InvaderPainter.h"

#include "painter/Ink.h"

#include <array>

namespace {

constexpr int kWidth = 14;
constexpr int kHeight = 12;

// clang-format off
const std::vector<std::string> kBody = {
    "..e........e..",
    "...1......1...",
    "....111111....",
    "..11bbbbbb11..",
    ".1bb77bb77bb1.",
    ".1bb71bb71bb1.",
    "1bbbbbbbbbbbb1",
    "1bbbbb11bbbbb1",
    ".1b3bbbbbb3b1.",
    "..1333333331..",
};
// clang-format on
// Closed eyes for the squash of a hit.
const std::vector<std::string> kBlink = {"", "", "", "", ".1bbbbbbbbbb1.", ".1bb11bb11bb1."};

const std::vector<std::string> kLegsOut = {"..3..3..3..3..", ".3...3..3...3."};
const std::vector<std::string> kLegsDown = {"..3..3..3..3..", "..3..3..3..3.."};
const std::vector<std::string> kLegsIn = {"..3..3..3..3..", "...3.3..3.3..."};

// A hit flashes the critter white for a moment.
constexpr std::array<int, 16> kFlash = {Ink::Black, Ink::DarkBlue,  Ink::DarkPurple, Ink::LightGrey,
                                        Ink::Brown, Ink::LightGrey, Ink::White,      Ink::White,
                                        Ink::Red,   Ink::Orange,    Ink::Yellow,     Ink::White,
                                        Ink::Blue,  Ink::Lavender,  Ink::White,      Ink::Peach};
// Badly hurt, the green goes dark and the tentacles grey.
constexpr std::array<int, 16> kBruised = {
    Ink::Black,     Ink::DarkBlue, Ink::DarkPurple, Ink::DarkGrey, Ink::Brown,  Ink::DarkGrey,
    Ink::LightGrey, Ink::White,    Ink::Red,        Ink::Orange,   Ink::Yellow, Ink::DarkGreen,
    Ink::Blue,      Ink::Lavender, Ink::Red,        Ink::Peach};

Picture squibbleFrame(int lift, int lean, const std::vector<std::string>& legs, bool blink) {
    Picture frame(kWidth, kHeight);
    frame.stamp(0, kHeight - 2, legs);
    frame.stamp(lean, lift, kBody);
    if (blink)
        frame.stamp(lean, lift, kBlink);
    return frame;
}

// A sticking plaster across the head and a crack under one eye.
Picture bandaged(Picture frame, int lean) {
    frame.stamp(lean, 0,
                {
                    "",
                    "",
                    "",
                    "...77",
                    "..7f7",
                    "...7",
                });
    frame.set(10 + lean, 6, Ink::DarkBlue);
    frame.set(11 + lean, 7, Ink::DarkBlue);
    return frame;
}

// The shellback: a steel dome with rivets over a lavender face.
// clang-format off
const std::vector<std::string> kShell = {
    "....111111....",
    "..1166766611..",
    ".167666666761.",
    ".166656656661.",
    "15666666666651",
    "15555555555551",
    ".1dd77dd77dd1.",
    ".1dd71dd71dd1.",
    "..1dddddddd1..",
    "...11111111...",
};
// clang-format on
const std::vector<std::string> kShellBlink = {
    "", "", "", "", "", "", ".1dddddddddd1.", ".1dd11dd11dd1."};
const std::vector<std::string> kShellLegsOut = {"..2..2..2..2..", ".2...2..2...2."};
const std::vector<std::string> kShellLegsIn = {"..2..2..2..2..", "...2.2..2.2..."};
// A crack across the dome, and sparks where a hit glanced off it.
const std::vector<std::string> kShellCrack = {"", "", "......1", ".....1.1", "....1...1"};
const std::vector<std::string> kSparksLeft = {"7a", "a.a", ".a"};
const std::vector<std::string> kSparksRight = {"...........a7", "..........a.a", "...........a"};

// The dartling: a small yellow flier, wings beating, beak down.
// clang-format off
const std::vector<std::string> kDart = {
    "......11......",
    ".....1991.....",
    "....197791....",
    "....919919....",
    "....999999....",
    "....999999....",
    "....999999....",
    ".....9889.....",
    "......88......",
};
const std::vector<std::string> kWingsUp = {
    "", "aa..........aa", ".a9........9a.", "..a9......9a..",
};
const std::vector<std::string> kWingsDown = {
    "", "", "", "", "..a9......9a..", ".a9........9a.", "aa..........aa",
};
// Wings folded, head down, the air streaming past it.
const std::vector<std::string> kDiving = {
    "......11......",
    ".....1991.....",
    ".....9779.....",
    ".....9119.....",
    "....a9999a....",
    "....a9999a....",
    ".....a99a.....",
    "......99......",
    "......88......",
    ".......8......",
};
// clang-format on
const std::vector<std::string> kStreaksHigh = {"..6........6..", "..6........6..",
                                               "...........6.."};
const std::vector<std::string> kStreaksLow = {"", "", "..6........6..", "..6........6..",
                                              "..6..........."};
const std::vector<std::string> kDartLegs = {"......44......", ".....4..4....."};

Picture shellFrame(int lift, const std::vector<std::string>& legs, bool blink) {
    Picture frame(kWidth, kHeight);
    frame.stamp(0, kHeight - 2, legs);
    frame.stamp(0, lift, kShell);
    if (blink)
        frame.stamp(0, lift, kShellBlink);
    return frame;
}

Picture dartFrame(int lift, bool wingsUp) {
    Picture frame(kWidth, kHeight);
    frame.stamp(0, kHeight - 2, kDartLegs);
    frame.stamp(0, lift, kDart);
    frame.stamp(0, lift, wingsUp ? kWingsUp : kWingsDown);
    return frame;
}

Picture diveFrame(bool high) {
    Picture frame(kWidth, kHeight);
    frame.stamp(0, 0, high ? kStreaksHigh : kStreaksLow);
    frame.stamp(0, 1, kDiving);
    return frame;
}

// Badly hurt, the dartling's yellow goes orange and its orange brown.
constexpr std::array<int, 16> kSinged = {Ink::Black, Ink::DarkBlue, Ink::DarkPurple, Ink::DarkGreen,
                                         Ink::Brown, Ink::DarkGrey, Ink::LightGrey,  Ink::White,
                                         Ink::Red,   Ink::Brown,    Ink::Orange,     Ink::Green,
                                         Ink::Blue,  Ink::Lavender, Ink::Pink,       Ink::Peach};

// Its flash: the yellows and oranges that the squibble's flash keeps go white.
constexpr std::array<int, 16> kDartFlash = {
    Ink::Black, Ink::DarkBlue, Ink::DarkPurple, Ink::LightGrey, Ink::Peach, Ink::LightGrey,
    Ink::White, Ink::White,    Ink::Pink,       Ink::White,     Ink::White, Ink::White,
    Ink::Blue,  Ink::Lavender, Ink::White,      Ink::White};

// The broodmother, drawn rather than stamped: a great round body, three eyes,
// a toothy mouth, a crown and six tentacles.
constexpr int kBroodWidth = 32;
constexpr int kBroodHeight = 26;

Picture broodFrame(int lift, int sway, bool blink, bool battered) {
    Picture frame(kBroodWidth, kBroodHeight);
    const double cx = 15.5;
    const double cy = 14.5 + lift;
    for (int t = 0; t < 6; ++t) {
        const int x = 6 + t * 4 + (t >= 3 ? 1 : 0);
        const int wiggle = (t + sway) % 2 ? 1 : -1;
        frame.line(x, 22, x + wiggle, kBroodHeight - 2, Ink::DarkGreen);
    }
    frame.disc(cx, cy, 10.5, Ink::Green);
    frame.disc(cx, cy + 3.0, 7.5, Ink::DarkGreen);
    frame.disc(cx, cy + 1.0, 7.5, Ink::Green);
    frame.disc(cx - 5.0, cy - 6.0, 1.2, Ink::White);
    for (const double ex : {-5.0, 0.0, 5.0}) {
        const double ey = cy - 2.0 - (ex == 0.0 ? 2.0 : 0.0);
        if (blink) {
            frame.line(static_cast<int>(cx + ex - 2), static_cast<int>(ey),
                       static_cast<int>(cx + ex + 2), static_cast<int>(ey), Ink::DarkBlue);
            continue;
        }
        frame.disc(cx + ex, ey, 2.3, Ink::White);
        frame.set(static_cast<int>(cx + ex) + (sway % 2), static_cast<int>(ey), Ink::DarkBlue);
    }
    const int mouth = static_cast<int>(cy) + 5;
    frame.line(11, mouth, 20, mouth, Ink::DarkBlue);
    frame.set(13, mouth + 1, Ink::White);
    frame.set(18, mouth + 1, Ink::White);
    // The crown sits on top, askew once she is battered.
    const int crownTop = static_cast<int>(cy) - 13 + (battered ? 1 : 0);
    const int tilt = battered ? 1 : 0;
    frame.fillRect(10 + tilt, crownTop + 3, 12, 3, Ink::Yellow);
    for (const int spike : {10, 15, 16, 21})
        frame.line(spike + tilt, crownTop, spike + tilt, crownTop + 3, Ink::Yellow);
    for (const int jewel : {12, 19})
        frame.set(jewel + tilt, crownTop + 4, Ink::Red);
    frame.set(15 + tilt, crownTop + 4, Ink::Blue);
    frame.set(16 + tilt, crownTop + 4, Ink::Blue);
    if (battered) {
        frame.line(20, static_cast<int>(cy) - 6, 23, static_cast<int>(cy) - 2, Ink::DarkBlue);
        frame.line(23, static_cast<int>(cy) - 2, 22, static_cast<int>(cy) + 1, Ink::DarkBlue);
    }
    frame.outline(Ink::DarkBlue);
    return frame;
}

} // namespace

SheetStrip InvaderPainter::shellback() {
    SheetStrip strip(kWidth, kHeight);
    const std::vector<int> healthy = strip.add({
        shellFrame(0, kShellLegsOut, false),
        shellFrame(0, kShellLegsIn, false),
        shellFrame(1, kShellLegsOut, false),
        shellFrame(0, kShellLegsIn, false),
    });
    const std::vector<int> hit = strip.add({
        shellFrame(0, kShellLegsOut, false).recoloured(kFlash),
        shellFrame(1, kShellLegsOut, true),
    });
    std::vector<Picture> hurt;
    for (int f = 0; f < 4; ++f) {
        Picture frame =
            shellFrame(f % 2, f % 2 ? kShellLegsIn : kShellLegsOut, false).recoloured(kBruised);
        frame.stamp(0, f % 2, kShellCrack);
        hurt.push_back(frame);
    }
    const std::vector<int> damaged = strip.add(hurt);
    Picture hurtHit = shellFrame(1, kShellLegsOut, true).recoloured(kBruised);
    hurtHit.stamp(0, 1, kShellCrack);
    const std::vector<int> damagedHit = strip.add({hurt[0].recoloured(kFlash), hurtHit});
    Picture glanceLeft = shellFrame(0, kShellLegsOut, false);
    glanceLeft.stamp(0, 0, kSparksLeft);
    Picture glanceRight = shellFrame(0, kShellLegsOut, false);
    glanceRight.stamp(0, 0, kSparksRight);
    const std::vector<int> turnedAside = strip.add({glanceLeft, glanceRight});

    strip.animate("0: healthy, plodding under its shell", 5.0f, healthy);
    strip.animate("1: hit through the shell: a white flash and a blink, played once", 10.0f, hit);
    strip.animate("2: badly hurt: the shell cracked and dull", 6.0f, damaged);
    strip.animate("3: hit while badly hurt, played once", 10.0f, damagedHit);
    strip.animate("4: a hit turned aside: sparks off the shell, played once", 12.0f, turnedAside);
    return strip;
}

SheetStrip InvaderPainter::dartling() {
    SheetStrip strip(kWidth, kHeight);
    const std::vector<int> healthy = strip.add({
        dartFrame(0, true),
        dartFrame(1, false),
        dartFrame(0, true),
        dartFrame(1, false),
    });
    const std::vector<int> hit = strip.add({
        dartFrame(0, true).recoloured(kDartFlash),
        dartFrame(1, false),
    });
    const std::vector<int> damaged = strip.add({
        dartFrame(1, true).recoloured(kSinged),
        dartFrame(1, false).recoloured(kSinged),
        dartFrame(0, false).recoloured(kSinged),
    });
    const std::vector<int> damagedHit = strip.add({
        dartFrame(1, true).recoloured(kSinged).recoloured(kDartFlash),
        dartFrame(1, false).recoloured(kSinged),
    });
    const std::vector<int> diving = strip.add({diveFrame(true), diveFrame(false)});

    strip.animate("0: healthy, wings beating", 10.0f, healthy);
    strip.animate("1: hit: a white flash, played once", 10.0f, hit);
    strip.animate("2: badly hurt: singed, beating unevenly", 8.0f, damaged);
    strip.animate("3: hit while badly hurt, played once", 10.0f, damagedHit);
    strip.animate("4: diving: wings folded, head down, the air streaming past", 12.0f, diving);
    return strip;
}

SheetStrip InvaderPainter::broodmother() {
    SheetStrip strip(kBroodWidth, kBroodHeight);
    const std::vector<int> healthy = strip.add({
        broodFrame(0, 0, false, false),
        broodFrame(0, 1, false, false),
        broodFrame(1, 0, false, false),
        broodFrame(1, 1, false, false),
    });
    const std::vector<int> hit = strip.add({
        broodFrame(0, 0, false, false).recoloured(kFlash),
        broodFrame(1, 0, true, false),
    });
    std::vector<Picture> hurt;
    for (int f = 0; f < 4; ++f)
        hurt.push_back(broodFrame(f % 2, f / 2, false, true).recoloured(kBruised));
    const std::vector<int> damaged = strip.add(hurt);
    const std::vector<int> damagedHit = strip.add({
        hurt[0].recoloured(kFlash),
        broodFrame(1, 0, true, true).recoloured(kBruised),
    });

    strip.animate("0: healthy, heaving along on six tentacles", 4.0f, healthy);
    strip.animate("1: hit: a white flash and a blink, played once", 10.0f, hit);
    strip.animate("2: badly hurt: darker, her crown askew, a crack", 5.0f, damaged);
    strip.animate("3: hit while badly hurt, played once", 10.0f, damagedHit);
    return strip;
}

SheetStrip InvaderPainter::squibble() {
    SheetStrip strip(kWidth, kHeight);

    const std::vector<int> healthy = strip.add({
        squibbleFrame(0, 0, kLegsOut, false),
        squibbleFrame(0, 0, kLegsDown, false),
        squibbleFrame(1, 0, kLegsIn, false),
        squibbleFrame(0, 0, kLegsDown, false),
    });
    const std::vector<int> hit = strip.add({
        squibbleFrame(0, 0, kLegsOut, false).recoloured(kFlash),
        squibbleFrame(1, 0, kLegsOut, true),
    });

    std::vector<Picture> hurt;
    const int leans[] = {0, -1, 0, 1};
    const std::vector<std::string>* legs[] = {&kLegsOut, &kLegsIn, &kLegsOut, &kLegsIn};
    for (int f = 0; f < 4; ++f)
        hurt.push_back(bandaged(
            squibbleFrame(f % 2, leans[f], *legs[f], false).recoloured(kBruised), leans[f]));
    const std::vector<int> damaged = strip.add(hurt);
    const std::vector<int> damagedHit = strip.add({
        bandaged(squibbleFrame(0, 0, kLegsOut, false).recoloured(kBruised), 0).recoloured(kFlash),
        bandaged(squibbleFrame(1, 0, kLegsOut, true).recoloured(kBruised), 0),
    });

    strip.animate("0: healthy, wobbling along", 6.0f, healthy);
    strip.animate("1: hit: a white flash and a flinch, played once", 10.0f, hit);
    strip.animate("2: badly hurt: darker, patched up, a wobblier gait", 8.0f, damaged);
    strip.animate("3: hit while badly hurt, played once", 10.0f, damagedHit);
    return strip;
}
