#pragma once

#include <array>
#include <string>
#include <vector>

struct BITMAP;
class Palette;

// A small picture in palette numbers (0 to 15) with a clear colour for the
// mask, which the painter draws the game's art into before writing it out.
class Picture {
  public:
    static constexpr int kClear = -1;

    Picture() = default;
    Picture(int width, int height, int fill = kClear);

    int width() const { return w; }
    int height() const { return h; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }

    // The colour at (x, y); clear outside the picture.
    int at(int x, int y) const { return contains(x, y) ? pixels[y * w + x] : kClear; }
    // Sets a pixel; pixels outside the picture are ignored.
    void set(int x, int y, int colour);

    void fillRect(int x, int y, int width, int height, int colour);
    void line(int x0, int y0, int x1, int y1, int colour);
    void disc(double cx, double cy, double radius, int colour);

    // Pixel art written as rows of characters: 0-9 and a-f are palette
    // numbers, anything else is left as it is.
    void stamp(int x, int y, const std::vector<std::string>& rows);
    // Another picture's non-clear pixels, top-left at (x, y).
    void stamp(int x, int y, const Picture& picture);

    // Every clear pixel that touches a coloured one on a side gets the colour.
    void outline(int colour);

    Picture mirrored() const;
    Picture shifted(int dx, int dy) const;
    // Each pixel becomes a factor x factor block.
    Picture scaled(int factor) const;
    // Each colour c becomes map[c]; clear stays clear.
    Picture recoloured(const std::array<int, 16>& map) const;

    // A 32-bit bitmap with the palette's colours and magenta where clear.
    BITMAP* toBitmap(const Palette& palette) const;

  private:
    int w = 0;
    int h = 0;
    std::vector<int> pixels;
};
