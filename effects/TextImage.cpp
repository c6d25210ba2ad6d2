#include "effects/TextImage.h"

#include "app/Saturating.h"
#include "gfx/BitmapFont.h"

#include <allegro.h>

#include <algorithm>

namespace {
// Room after the last glyph, for fonts with a shadow that overhangs it.
constexpr int kTextImagePadding = 2;
// Far wider than any screen shows. A kerning of millions would otherwise ask
// for gigabytes to hold one short text.
constexpr int kMaxTextImageWidth = 4096;
} // namespace

BITMAP* renderTextImage(const BitmapFont* font, const char* text) {
    const int textWidth = font ? font->textWidth(text) : 0;
    // Negative kerning can make a text measure less than nothing; keep a
    // bitmap that Allegro can still make.
    const int width =
        std::clamp(saturatingAdd(textWidth, kTextImagePadding), 1, kMaxTextImageWidth);
    BITMAP* image = create_bitmap(width, kTextImageHeight);
    if (!image)
        return nullptr;
    clear_to_color(image, makecol(255, 0, 255));
    if (font)
        font->drawText(image, 0, 0, text);
    return image;
}
