#pragma once

struct BITMAP;
class BitmapFont;

// Height of every rendered text image, whatever the font: the texts that float
// over the playfield are one line of the small or main font.
constexpr int kTextImageHeight = 10;

// Lays the text out once into a new bitmap of the mask colour, textWidth + 2
// pixels wide (kept within 1 to 4096), so that an effect only copies it
// afterwards. Never null while memory lasts; the caller destroys it.
BITMAP* renderTextImage(const BitmapFont* font, const char* text);
