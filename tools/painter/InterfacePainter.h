#pragma once

#include "painter/Picture.h"

// The buttons, icons, health bar and selection marker of the status strip.
class InterfacePainter {
  public:
    // Four 19 x 19 button frames in a row: normal, highlighted, disabled, pressed.
    static Picture slots();
    // Each tower type's 16 x 16 icon at (16 + 16 x type, 0), greyed at (16 + 16 x type, 16).
    static Picture icons();
    // The selected tower's panel, 16 x 16 cells in a row: demolish, upgrade,
    // upgrade greyed, fully upgraded; then a 4 x 4 level pip at (64, 0).
    static Picture upgradeIcons();
    // The health bar's red fill at (1, 1), 50 x 7, and its 53 x 10 frame at (0, 10).
    static Picture redBar();
    // Corner brackets that frame the selected tower.
    static Picture selector();

    static constexpr int kSlotSize = 19;
    static constexpr int kIconSize = 16;
};
