#pragma once

#include "gfx/Problem.h"

#include <string>
#include <vector>

struct BITMAP;

// A font cut out of an image. Glyphs for the codes 32 upwards sit in rows,
// each boxed by a border colour (the colour of pixel (0, 0)) on its right and
// below; the glyphs are drawn masked, in the colours painted in the image.
class BitmapFont {
  public:
    // Loads the image through load_bitmap and cuts the glyphs. A missing or
    // unreadable image gives a font that draws nothing and measures 0. When
    // `problems` is given, what is wrong with the picture and its glyphs is
    // added there; a ".mz" picture is then read by the packed image reader
    // itself, which load_bitmap would call, so that it can tell its problems.
    explicit BitmapFont(const std::string& fileName, std::vector<Problem>* problems = nullptr);
    ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    // Draws text with its first glyph's top-left corner at (x, y).
    void drawText(BITMAP* bitmap, int x, int y, const char* text) const;
    // Draws text centred on x.
    void drawTextCentred(BITMAP* bitmap, int x, int y, const char* text) const;
    // Draws text so that it ends at x.
    void drawTextRight(BITMAP* bitmap, int x, int y, const char* text) const;
    // Pixels that drawText advances over text, kerning after the last glyph included.
    int textWidth(const char* text) const;

    // The same, with the text formatted printf-style first (cut at 511 characters).
    void drawTextf(BITMAP* bitmap, int x, int y, const char* format, ...) const
        __attribute__((format(printf, 5, 6)));
    void drawTextCentredf(BITMAP* bitmap, int x, int y, const char* format, ...) const
        __attribute__((format(printf, 5, 6)));
    void drawTextRightf(BITMAP* bitmap, int x, int y, const char* format, ...) const
        __attribute__((format(printf, 5, 6)));
    int textWidthf(const char* format, ...) const __attribute__((format(printf, 2, 3)));

    // The longest formatted text, in characters.
    static constexpr int kMaxFormattedLength = 511;
    // The codes every font must have a glyph for: the printable ASCII range.
    // The first glyph of the picture is the first of them.
    static constexpr int kFirstCode = 32;
    static constexpr int kLastCode = 126;
    // The tallest glyph the game can show: texts are rendered into images
    // this high (kTextImageHeight).
    static constexpr int kMaxGlyphHeight = 10;

    BITMAP* image = nullptr;
    BITMAP* glyphs[256] = {};
    // Pixels added after every glyph; may be negative. Widths and positions
    // made from it hold at the limits of an int.
    int kerning = 0;

  private:
    void cutGlyphs(std::vector<Problem>* problems);
};
