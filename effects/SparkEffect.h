#pragma once

#include "effects/Effect.h"

#include <vector>

// The tesla coil's lightning: a jagged white bolt with a one-pixel glow
// between two points, made once and shown briefly.
class SparkEffect : public Effect {
  public:
    SparkEffect(int x1, int y1, int x2, int y2);
    ~SparkEffect() override;

    // The bolt and its glow, exactly as masked_blit of the whole image would
    // draw them.
    void draw(BITMAP* bitmap) override;

    double x, y; // top-left corner of the bolt's image
    BITMAP* image;

  private:
    // A stretch of bolt or glow pixels within one row of the image.
    struct Run {
        int x, length;
    };

    void addGlow(int white, int glow, int mask);
    void recordRuns(int mask);

    // Only a few hundredths of a spark's image are bolt or glow, so drawing
    // copies these runs instead of testing every pixel of the image. The runs
    // of row j are runs[rowStarts[j]] up to runs[rowStarts[j + 1]].
    std::vector<Run> runs;
    std::vector<int> rowStarts;
};
