#include "gfx/BitmapFont.h"

#include "app/Saturating.h"

#include <allegro.h>

#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace {

using FormattedText = char[BitmapFont::kMaxFormattedLength + 1];

// Numbers are drawn as the settings write them, with a "." for the decimal
// point, even after Allegro has switched the process to the player's locale.
void formatText(FormattedText& text, const char* format, va_list arguments) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const locale_t previous = uselocale(cLocale);
    std::vsnprintf(text, sizeof text, format, arguments);
    uselocale(previous);
}

// Allegro clips with int sums of position and size, which wrap round for a
// glyph that an absurd kerning has pushed to the end of the int range; such a
// glyph would land inside the bitmap. What lies wholly outside it is skipped.
bool overlaps(const BITMAP* bitmap, const BITMAP* glyph, int x, int y) {
    const long long right = static_cast<long long>(x) + glyph->w;
    const long long bottom = static_cast<long long>(y) + glyph->h;
    return x < bitmap->w && y < bitmap->h && right > 0 && bottom > 0;
}

} // namespace

BitmapFont::BitmapFont(const std::string& fileName)
    : image(load_bitmap(fileName.c_str(), nullptr)) {
    if (image)
        cutGlyphs();
}

BitmapFont::~BitmapFont() {
    for (BITMAP* glyph : glyphs) {
        if (glyph)
            destroy_bitmap(glyph);
    }
    if (image)
        destroy_bitmap(image);
}

// Every scan stops at the image's edge, so an image whose last glyph is not
// closed by a border pixel still loads: that glyph runs to the edge.
void BitmapFont::cutGlyphs() {
    const int width = image->w;
    const int height = image->h;
    if (width < 2 || height < 2)
        return;

    const int border = getpixel(image, 0, 0);
    unsigned char code = 32;
    int x0 = 1;
    int y0 = 1;
    while (true) {
        int right = x0;
        while (right < width && getpixel(image, right, y0) != border)
            ++right;
        int bottom = y0;
        while (bottom < height && getpixel(image, x0, bottom) != border)
            ++bottom;

        if (glyphs[code])
            destroy_bitmap(glyphs[code]);
        glyphs[code] = create_sub_bitmap(image, x0, y0, right - x0, bottom - y0);
        ++code;

        int x = right;
        while (x < width && getpixel(image, x, y0) == border)
            ++x;
        if (x < width) {
            x0 = x;
            continue;
        }

        int y = bottom;
        while (y < height && getpixel(image, 1, y) == border)
            ++y;
        if (y >= height)
            return;
        x0 = 1;
        y0 = y;
    }
}

void BitmapFont::drawText(BITMAP* bitmap, int x, int y, const char* text) const {
    if (!bitmap || !text)
        return;
    for (const char* c = text; *c; ++c) {
        BITMAP* glyph = glyphs[static_cast<unsigned char>(*c)];
        if (!glyph)
            continue;
        if (overlaps(bitmap, glyph, x, y))
            draw_sprite(bitmap, glyph, x, y);
        x = saturatingAdd(x, saturatingAdd(kerning, glyph->w));
    }
}

void BitmapFont::drawTextCentred(BITMAP* bitmap, int x, int y, const char* text) const {
    drawText(bitmap, saturatingSubtract(x, textWidth(text) / 2), y, text);
}

void BitmapFont::drawTextRight(BITMAP* bitmap, int x, int y, const char* text) const {
    drawText(bitmap, saturatingSubtract(x, textWidth(text)), y, text);
}

int BitmapFont::textWidth(const char* text) const {
    if (!text)
        return 0;
    int width = 0;
    for (const char* c = text; *c; ++c) {
        const BITMAP* glyph = glyphs[static_cast<unsigned char>(*c)];
        if (glyph)
            width = saturatingAdd(width, saturatingAdd(kerning, glyph->w));
    }
    return width;
}

void BitmapFont::drawTextf(BITMAP* bitmap, int x, int y, const char* format, ...) const {
    FormattedText text;
    va_list arguments;
    va_start(arguments, format);
    formatText(text, format, arguments);
    va_end(arguments);
    drawText(bitmap, x, y, text);
}

void BitmapFont::drawTextCentredf(BITMAP* bitmap, int x, int y, const char* format, ...) const {
    FormattedText text;
    va_list arguments;
    va_start(arguments, format);
    formatText(text, format, arguments);
    va_end(arguments);
    drawTextCentred(bitmap, x, y, text);
}

void BitmapFont::drawTextRightf(BITMAP* bitmap, int x, int y, const char* format, ...) const {
    FormattedText text;
    va_list arguments;
    va_start(arguments, format);
    formatText(text, format, arguments);
    va_end(arguments);
    drawTextRight(bitmap, x, y, text);
}

int BitmapFont::textWidthf(const char* format, ...) const {
    FormattedText text;
    va_list arguments;
    va_start(arguments, format);
    formatText(text, format, arguments);
    va_end(arguments);
    return textWidth(text);
}
