#pragma once

#include "painter/Picture.h"
#include "painter/SheetStrip.h"

#include <array>
#include <string>

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
    // The other kinds' deaths: a shellback's shards, a dartling's down and
    // the broodmother's great cloud.
    static SheetStrip shards();
    static SheetStrip feathers();
    static SheetStrip broodBurst();

    static Picture laserSmall();
    static Picture laserMedium();

  private:
    // Puffs flying apart from a round core, size pixels square, in three
    // inks from the core's outwards, scattered by the seed.
    static SheetStrip burst(int size, const std::array<int, 3>& inks, unsigned seed,
                            const std::string& note);
};
