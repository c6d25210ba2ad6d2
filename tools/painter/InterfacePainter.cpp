#include "painter/InterfacePainter.h"

#include "painter/Ink.h"
#include "painter/Symmetric.h"

#include <iterator>

namespace {

struct ButtonLook {
    int border, lit, shade, face;
};

// Normal, highlighted, disabled, pressed: the order the game picks cells in.
constexpr ButtonLook kLooks[] = {
    {Ink::DarkGrey, Ink::Lavender, Ink::Black, Ink::DarkBlue},
    {Ink::Yellow, Ink::White, Ink::DarkBlue, Ink::DarkBlue},
    {Ink::DarkBlue, Ink::DarkBlue, Ink::Black, Ink::Black},
    {Ink::LightGrey, Ink::Black, Ink::Lavender, Ink::Black},
};

Picture laserIcon() {
    // clang-format off
    return symmetricPicture({
        "........",
        "......18",
        "......1e",
        "......17",
        "......16",
        "......15",
        "......17",
        "....1117",
        "...17776",
        "..176666",
        "..161e88",
        "..155555",
        "...11111",
        ".1577777",
        "15555555",
        "11111111",
    });
    // clang-format on
}

Picture missileIcon() {
    Picture icon(16, 16);
    icon.stamp(0, 0,
               {
                   "................",
                   "................",
                   ".11.............",
                   "1e81............",
                   "17761...........",
                   ".17761..........",
                   "..17761.........",
                   "...177611111....",
                   "....1767777711..",
                   "....1766666651..",
                   "...17661666651..",
                   "..1555555555551.",
                   ".14944944944941.",
                   ".14444444444441.",
                   "1555555555555551",
                   "1111111111111111",
               });
    return icon;
}

Picture teslaIcon() {
    // clang-format off
    return symmetricPicture({
        "........",
        ".....111",
        "....1ccc",
        "...1c777",
        "...1c777",
        "...1cc77",
        "....1ccc",
        ".....111",
        "......19",
        "......14",
        "......19",
        "......14",
        ".....155",
        "...11111",
        "..157777",
        "..111111",
    });
    // clang-format on
}

Picture demolishIcon() {
    Picture icon(InterfacePainter::kIconSize, InterfacePainter::kIconSize);
    icon.stamp(0, 0,
               // clang-format off
               symmetricPicture({
                                    "........",
                                    "........",
                                    "......11",
                                    ".....176",
                                    ".....176",
                                    ".....166",
                                    "....1177",
                                    "...17666",
                                    "...16666",
                                    "...15555",
                                    "..111111",
                                    ".1577777",
                                    ".1555555",
                                    ".1111111",
                                    "........",
                                    "........",
                                })
                   .recoloured(Ink::kDisabledGrey));
    // clang-format on
    Picture cross(16, 16);
    for (int i = 0; i < 11; ++i) {
        for (int thick = 0; thick < 2; ++thick) {
            cross.set(2 + i + thick, 2 + i, Ink::Red);
            cross.set(13 - i - thick, 2 + i, Ink::Red);
        }
    }
    cross.outline(Ink::DarkPurple);
    icon.stamp(0, 0, cross);
    return icon;
}

Picture upgradeIcon() {
    // clang-format off
    return symmetricPicture({
        "........",
        ".......1",
        "......1b",
        ".....1bb",
        "....1b7b",
        "...1bb7b",
        "..1bbbbb",
        ".1111bbb",
        "....1bbb",
        "....1bbb",
        "....1bbb",
        "....1b3b",
        "....1333",
        "....1111",
        "........",
        "........",
    });
    // clang-format on
}

Picture usedUpIcon() {
    // clang-format off
    return symmetricPicture({
        "........",
        ".......1",
        "......1a",
        "......1a",
        ".....1a7",
        "111111aa",
        "1aaaaaaa",
        ".1aaaaaa",
        "..1aaaaa",
        "...1aaaa",
        "...1aa99",
        "..1aa911",
        "..1a91..",
        ".1991...",
        ".111....",
        "........",
    });
    // clang-format on
}

// Two chevrons pointing on, lit above and shaded below, at the top left of
// their cell: shown while Tab runs the game fast.
Picture fastForwardMark() {
    Picture mark(InterfacePainter::kIconSize, InterfacePainter::kIconSize);
    mark.stamp(1, 1,
               {
                   "a...a...",
                   "aa..aa..",
                   "aaa.aaa.",
                   "aaaaaaaa",
                   "999.999.",
                   "99..99..",
                   "9...9...",
               });
    mark.outline(Ink::DarkBlue);
    return mark;
}

} // namespace

Picture InterfacePainter::slots() {
    Picture strip(4 * kSlotSize, kSlotSize);
    for (int c = 0; c < 4; ++c) {
        const ButtonLook& look = kLooks[c];
        const int x = c * kSlotSize;
        strip.fillRect(x, 0, kSlotSize, kSlotSize, look.border);
        strip.fillRect(x + 1, 1, kSlotSize - 2, kSlotSize - 2, look.shade);
        strip.fillRect(x + 1, 1, kSlotSize - 3, kSlotSize - 3, look.lit);
        strip.fillRect(x + 2, 2, kSlotSize - 4, kSlotSize - 4, look.face);
        // Rounded corners: the border's corner pixels are left out.
        for (int corner : {0, kSlotSize - 1}) {
            strip.set(x, corner, Picture::kClear);
            strip.set(x + kSlotSize - 1, corner, Picture::kClear);
        }
    }
    return strip;
}

Picture InterfacePainter::icons() {
    // Cell by cell, as the tower table's iconCell counts them; the first
    // cell is left empty. A new tower's icon goes at the end.
    const Picture towers[] = {Picture(kIconSize, kIconSize), laserIcon(), missileIcon(),
                              teslaIcon()};
    const int cells = static_cast<int>(std::size(towers));
    Picture sheet(kIconSize * cells, kIconSize * 2);
    for (int cell = 0; cell < cells; ++cell) {
        const int x = kIconSize * cell;
        sheet.stamp(x, 0, towers[cell]);
        sheet.stamp(x, kIconSize, towers[cell].recoloured(Ink::kDisabledGrey));
    }
    return sheet;
}

Picture InterfacePainter::upgradeIcons() {
    Picture strip(kIconSize * 6, kIconSize);
    strip.stamp(0, 0, demolishIcon());
    strip.stamp(kIconSize, 0, upgradeIcon());
    strip.stamp(2 * kIconSize, 0, upgradeIcon().recoloured(Ink::kDisabledGrey));
    strip.stamp(3 * kIconSize, 0, usedUpIcon());
    strip.stamp(4 * kIconSize, 0, {"1111", "1aa1", "1991", "1111"});
    strip.stamp(5 * kIconSize, 0, fastForwardMark());
    return strip;
}

Picture InterfacePainter::redBar() {
    constexpr int kWidth = 53;
    constexpr int kFillWidth = 50;
    Picture bar(kWidth, 20);
    bar.fillRect(1, 1, kFillWidth, 7, Ink::Red);
    bar.fillRect(1, 1, kFillWidth, 1, Ink::Pink);
    bar.fillRect(1, 7, kFillWidth, 1, Ink::DarkPurple);

    bar.fillRect(0, 10, kWidth, 10, Ink::LightGrey);
    bar.fillRect(1, 11, kWidth - 2, 8, Ink::DarkPurple);
    bar.fillRect(1, 18, kWidth - 2, 1, Ink::Black);
    bar.fillRect(kWidth - 2, 11, 1, 8, Ink::Black);
    for (int corner : {10, 19}) {
        bar.set(0, corner, Picture::kClear);
        bar.set(kWidth - 1, corner, Picture::kClear);
    }
    return bar;
}

Picture InterfacePainter::selector() {
    constexpr int kWidth = 29;
    constexpr int kHeight = 36;
    constexpr int kArm = 5;
    Picture marker(kWidth, kHeight);
    for (int x : {1, kWidth - 2}) {
        marker.line(x, 1, x, kArm, Ink::Yellow);
        marker.line(x, kHeight - 2, x, kHeight - 1 - kArm, Ink::Yellow);
    }
    for (int y : {1, kHeight - 2}) {
        marker.line(1, y, kArm, y, Ink::Yellow);
        marker.line(kWidth - 2, y, kWidth - 1 - kArm, y, Ink::Yellow);
    }
    marker.outline(Ink::DarkBlue);
    return marker;
}
