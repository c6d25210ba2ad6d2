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

    // Paints the text's brightest colour, its ink, in colour instead, so
    // that one font can write figures of another colour (the grey of a hit
    // that armour softened) and keep its shadow.
    void inkWith(int colour);

    void update(double dt) override;
    void draw(BITMAP* bitmap) override;

    double x, y;
    BITMAP* image; // the text, rendered once
};
