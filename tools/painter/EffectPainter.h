#pragma once

#include "painter/Picture.h"
#include "painter/SheetStrip.h"

// Missiles, bolts, smoke and blasts: small, bright and quick to read.
class EffectPainter {
  public:
    // Sixteen one-frame animations: animation k points k x 22.5 degrees
    // counter-clockwise from pointing right.
    static SheetStrip missile();
    // One-shot animations, each in animation 0.
    static SheetStrip poof();
    static SheetStrip explosionSmall();
    static SheetStrip puff(int size);

    static Picture laserSmall();
    static Picture laserMedium();
};
