#pragma once

#include <array>
#include <initializer_list>
#include <utility>

// The palette's sixteen colours by name, in the order of art/palette.txt.
namespace Ink {
constexpr int Black = 0;
constexpr int DarkBlue = 1;
constexpr int DarkPurple = 2;
constexpr int DarkGreen = 3;
constexpr int Brown = 4;
constexpr int DarkGrey = 5;
constexpr int LightGrey = 6;
constexpr int White = 7;
constexpr int Red = 8;
constexpr int Orange = 9;
constexpr int Yellow = 10;
constexpr int Green = 11;
constexpr int Blue = 12;
constexpr int Lavender = 13;
constexpr int Pink = 14;
constexpr int Peach = 15;

// Every colour as itself but for the pairs given, each (from, to): the map
// for Picture::recoloured or SheetStrip::recoloured that paints a picture in
// colours of its own: InvaderPainter::squibble().recoloured(Ink::swapped({{Ink::Green,
// Ink::Pink}})).
inline std::array<int, 16> swapped(std::initializer_list<std::pair<int, int>> pairs) {
    std::array<int, 16> map{};
    for (int c = 0; c < 16; ++c)
        map[c] = c;
    for (const auto& [from, to] : pairs)
        map[from] = to;
    return map;
}

// Each colour's stand-in in the red look of a tower that cannot go where the
// player points: dark stays dark, light turns pink, the rest red.
constexpr std::array<int, 16> kBlockedRed = {
    Black, DarkPurple, DarkPurple, DarkPurple, Red, DarkPurple, Red,  Pink,
    Red,   Red,        Pink,       Red,        Red, Red,        Pink, Pink};

// Each colour's stand-in on a button that cannot be used: grey and darker.
constexpr std::array<int, 16> kDisabledGrey = {
    Black,    Black,    DarkBlue,  DarkBlue, DarkGrey, DarkBlue, DarkGrey,  LightGrey,
    DarkGrey, DarkGrey, LightGrey, DarkGrey, DarkGrey, DarkGrey, LightGrey, LightGrey};
} // namespace Ink
