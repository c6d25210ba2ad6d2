#pragma once

#include "painter/SheetStrip.h"

// The squibble: a round green critter on four little tentacles, 14 x 12, so
// that a row of them 20 pixels apart keeps a gap between neighbours.
class InvaderPainter {
  public:
    // 0 healthy loop, 1 hit reaction, 2 damaged loop, 3 hit reaction while damaged.
    static SheetStrip squibble();
};
