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

} // namespace

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
