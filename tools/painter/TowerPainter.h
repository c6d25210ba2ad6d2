#pragma once

#include "painter/SheetStrip.h"

// The three towers' sheets. Every sheet starts with animation 0, the resting
// loop, and animation 1, the red look of a place where the tower cannot go.
class TowerPainter {
  public:
    // 2 firing: recoil and a muzzle flash, played once.
    static SheetStrip laserTurret();
    // 0 resting left, 2 resting right, 3 launching left, 4 launching right.
    static SheetStrip missileTurret();
    // The resting loop crackles with small sparks around the ball.
    static SheetStrip teslaCoil();

    // A tower's sheet in colours of its own, each colour c painted map[c],
    // its blocked look left red: a new tower that looks like one of these.
    static SheetStrip recoloured(const SheetStrip& tower, const std::array<int, 16>& map);
};
