#pragma once

// Where the screen's parts stand, in canvas pixels. The game draws and hit-tests
// by these, and the tests and tools that click the real game aim by them too,
// so a button that moves here moves for all of them.
namespace layout {

// The canvas everything is drawn into; the window shows it scaled up.
constexpr int kCanvasWidth = 320;
constexpr int kCanvasHeight = 240;

// A rectangle as the mouse tests it: the pointer is inside from x to
// x + width and from y to y + height, edges included.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int centreX() const { return x + width / 2; }
    constexpr int centreY() const { return y + height / 2; }
};

// The build buttons along the bottom right, spacing pixels apart ("ButtonSpacing");
// button 0 is the rightmost.
constexpr int kButtonX = 300;
constexpr int kButtonY = 220;
constexpr int kButtonSize = 19;

constexpr Rect buildButton(int type, int spacing) {
    return {kButtonX - type * spacing, kButtonY, kButtonSize, kButtonSize};
}

// While a tower is placed or selected, the rightmost button shows it, or
// demolishes it; the one beside it upgrades a selected tower.
constexpr Rect kFirstButton = buildButton(0, 0);
constexpr Rect upgradeButton(int spacing) {
    return buildButton(1, spacing);
}

// The strip below the ground that holds the status display and the buttons:
// a click there never sets a tower down.
constexpr int kStripTop = 218;

// The answers of the quit dialog, centred on the playfield; a lost game asks
// its own question in the same place.
constexpr int kDialogCentreX = kCanvasWidth / 2;
constexpr Rect kYesAnswer{140, 110, 40, 8};
constexpr Rect kNoAnswer{140, 120, 40, 8};

// Where invaders may be drawn: the whole sky, down to the strip. Their block
// turns at the canvas's sides, gets through at y 190 with its feet a frame
// lower, and the boss and the divers keep inside the same bounds. Nothing of
// the display but dialogs, cards and passing banners is drawn here.
constexpr Rect kFlightArea{0, 0, kCanvasWidth, kStripTop};

// The strip, from the left: the health bar over the money and the marks of
// fast-forward and of muted sound, then the wave now played over the best
// kept. The build buttons' texts end left of the buttons and start no
// further left than kPanelTextLeft; a longer one takes the readout's place
// while it shows, but never the health's.
constexpr Rect kFastForwardMark{42, 230, 10, 9};
constexpr Rect kMutedMark{54, 230, 10, 9};
constexpr int kReadoutLeft = 68;
constexpr int kWaveReadoutY = 220;
constexpr int kBestReadoutY = 229;
constexpr Rect kReadout{kReadoutLeft, kWaveReadoutY, 46, 18};
constexpr int kPanelTextLeft = kReadout.x + kReadout.width + 2;

// A boss's health bar stands over her head, but never above the canvas.
constexpr int kBossBarHighest = 0;

// The banner that names a boss, under the wave's own announcement, and
// under it the one that names a kind met for the first time in a game.
constexpr int kBossBannerY = 108;
constexpr int kKindBannerY = 132;

// "Paused", at twice its size, centred over the playfield on its panel.
constexpr int kPausedCaptionY = 92;

// The lost game's best, under the waves it defeated.
constexpr int kGameOverBestY = 81;

// The panels that dialogs and captions stand on, so that they read over
// anything the battle draws: the quit dialog's, the lost game's, and the card
// that introduces a kind met for the first time.
constexpr Rect kDialogPanel{110, 84, 100, 48};
constexpr Rect kGameOverPanel{102, 44, 116, 88};
constexpr Rect kPausedPanel{124, 88, 72, 24};
constexpr Rect kCard{50, 50, 220, 100};

// The title screen: the game's name at twice its size, and under it the
// menus of the screens around the game, one line a choice. A choice with a
// value shows it between arrows, "Play  < Normal >": a click on an arrow
// steps the value, on the value steps it on, on the label chooses it.
constexpr int kTitleNameY = 30;
constexpr int kMenuTop = 88;
constexpr int kMenuLineHeight = 20;
constexpr int kMenuLeft = 72;
constexpr int kMenuWidth = 176;
constexpr Rect menuLine(int index) {
    return {kMenuLeft, kMenuTop + index * kMenuLineHeight - 4, kMenuWidth, kMenuLineHeight - 2};
}
constexpr Rect menuLabel(int index) {
    return {kMenuLeft, menuLine(index).y, 88, kMenuLineHeight - 2};
}
constexpr Rect menuLeftArrow(int index) {
    return {kMenuLeft + 90, menuLine(index).y, 14, kMenuLineHeight - 2};
}
constexpr Rect menuValue(int index) {
    return {kMenuLeft + 106, menuLine(index).y, 52, kMenuLineHeight - 2};
}
constexpr Rect menuRightArrow(int index) {
    return {kMenuLeft + 160, menuLine(index).y, 14, kMenuLineHeight - 2};
}

} // namespace layout
