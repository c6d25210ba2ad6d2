#pragma once

#include "painter/SheetStrip.h"

// The invaders, each 14 x 12 so that a row of them 20 pixels apart keeps a
// gap between neighbours, but for the broodmother, who comes alone: a round
// green squibble on four little tentacles, a shellback under its steel shell,
// a yellow dartling with wings, and their crowned mother.
class InvaderPainter {
  public:
    // 0 healthy loop, 1 hit reaction, 2 damaged loop, 3 hit reaction while damaged.
    static SheetStrip squibble();
    // The same, and 4 a hit turned aside by the shell.
    static SheetStrip shellback();
    // The same as the squibble's, and 4 the dive.
    static SheetStrip dartling();
    // The squibble's four, 32 x 26.
    static SheetStrip broodmother();
};
