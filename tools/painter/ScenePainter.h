#pragma once

#include "painter/Picture.h"

// The playfield behind everything: sky, hills, the ground the towers stand
// on, the quiet strip for the status display, and the drifting clouds.
class ScenePainter {
  public:
    // The towers stand on this line: the top row of the grass.
    static constexpr int kGroundLine = 214;
    // Where the status strip starts to be dark and calm.
    static constexpr int kStatusStripTop = 218;

    static Picture background();
    // Cloud n from 1 to 5: 2 is the smallest (the slow far layer), 4 the largest.
    static Picture cloud(int n);
};
