#pragma once

#include "effects/Effect.h"

class BitmapFont;

// A title drawn at twice its size that unfolds, hops, bounces on its line,
// settles and folds away: the wave announcement.
class BounceTextEffect : public Effect {
  public:
    // The doubled text is centred on x and rests on the line y.
    BounceTextEffect(int x, int y, const BitmapFont* font, const char* text);
    ~BounceTextEffect() override;

    void update(double dt) override;
    void draw(BITMAP* bitmap) override;

    double x, y;
    BITMAP* image; // the text, rendered once at its own size
    double velocityY;
    double restY;
};
