#pragma once

#include "effects/Effect.h"

#include <string>
#include <vector>

class BitmapFont;

// A warning across the whole playfield: a dark band with red edges opens
// from the middle, the text stands in it and blinks, and the band closes
// again. Shown when a boss comes, and when a kind is first seen in a game,
// with the lines that say what it is under its name, steady.
class BannerEffect : public Effect {
  public:
    // The band's middle line is y; the text is centred on the canvas, and
    // each line of notes under it in the notes' font.
    BannerEffect(int y, const BitmapFont* font, const char* text,
                 const BitmapFont* notesFont = nullptr, const std::vector<std::string>& notes = {});
    ~BannerEffect() override;

    void draw(BITMAP* bitmap) override;

    int y;
    BITMAP* image; // the text, rendered once
    std::vector<BITMAP*> noteImages;
};
