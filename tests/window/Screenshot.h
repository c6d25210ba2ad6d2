#pragma once

#include "game/Layout.h"

#include <cstdint>
#include <string>
#include <vector>

// A picture of the game's window, pixel for pixel, as 0xRRGGBB values (the
// form makecol gives in 32-bit colour), so tests compare with the colours the
// game draws.
class Screenshot {
  public:
    Screenshot(int width, int height, std::vector<std::uint32_t> pixels);

    int width() const { return pictureWidth; }
    int height() const { return pictureHeight; }

    // The window's pixel at (x, y).
    std::uint32_t pixel(int x, int y) const;

    // Window pixels per canvas pixel.
    int scale() const { return pictureWidth / layout::kCanvasWidth; }

    // The canvas pixel at (x, y), the top-left one of the scale x scale
    // window pixels that show it.
    std::uint32_t canvasPixel(int x, int y) const { return pixel(scale() * x, scale() * y); }

    // How many canvas pixels of a rectangle differ from another picture's.
    int changedCanvasPixels(const Screenshot& other, int x, int y, int width, int height) const;

    // Writes an 8-bit RGB PNG for people to look at; throws when it cannot.
    void save(const std::string& path) const;

  private:
    int pictureWidth;
    int pictureHeight;
    std::vector<std::uint32_t> pixels;
};
