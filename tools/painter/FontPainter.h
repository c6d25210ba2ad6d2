#pragma once

#include "painter/Picture.h"

// The game's fonts, laid out the way the game cuts them: glyphs for the codes
// 32 to 126 in rows of sixteen, each closed on its right and below by the
// border colour of pixel (0, 0). Every glyph carries a one-pixel drop shadow
// so that the text reads over the sky and the dark ground alike.
class FontPainter {
  public:
    // The main font: capitals 7 pixels high, lower case with descenders.
    static Picture mainFont(int ink, int shadow);
    // The small font: capitals 5 pixels high, lower case drawn as capitals.
    static Picture smallFont(int ink, int shadow);

    // Glyph boxes, shadow included, are this high; texts are drawn into
    // 10-pixel-high images, so neither may be taller.
    static constexpr int kMainHeight = 10;
    static constexpr int kSmallHeight = 7;
};
