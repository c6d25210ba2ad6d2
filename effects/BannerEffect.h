#pragma once

#include "effects/Effect.h"

class BitmapFont;

// A warning across the whole playfield: a dark band with red edges opens
// from the middle, the text stands in it and blinks, and the band closes
// again. Shown when a boss comes.
class BannerEffect : public Effect {
  public:
    // The band's middle line is y; the text is centred on the canvas.
    BannerEffect(int y, const BitmapFont* font, const char* text);
    ~BannerEffect() override;

    void draw(BITMAP* bitmap) override;

    int y;
    BITMAP* image; // the text, rendered once
};
