#pragma once

#include "effects/Effect.h"

// The tesla coil's lightning: a jagged white bolt with a one-pixel glow
// between two points, made once and shown briefly.
class SparkEffect : public Effect {
  public:
    SparkEffect(int x1, int y1, int x2, int y2);
    ~SparkEffect() override;

    void draw(BITMAP* bitmap) override;

    double x, y; // top-left corner of the bolt's image
    BITMAP* image;
};
