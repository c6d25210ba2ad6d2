#pragma once

#include "effects/Effect.h"

class BitmapFont;

// A short text (a bounty, a refund, a lost health point) that drifts up and
// to the right for a second.
class TextEffect : public Effect {
  public:
    // (x, y) is the top-left corner of the text.
    TextEffect(int x, int y, const BitmapFont* font, const char* text);
    ~TextEffect() override;

    void update(double dt) override;
    void draw(BITMAP* bitmap) override;

    double x, y;
    BITMAP* image; // the text, rendered once
};
