#pragma once

#include <string>

struct BITMAP;

// PNG strips as the art is kept and edited: read into and written from
// 32-bit memory bitmaps. Needs Allegro installed and 32-bit colour set.
class PngFile {
  public:
    // The picture as a new 32-bit bitmap, or null with the reason in error.
    static BITMAP* read(const std::string& path, std::string& error);

    // Writes the picture as 24-bit RGB: no alpha channel, so that every
    // editor shows the magenta mask as the colour it is.
    static bool write(const std::string& path, BITMAP* image, std::string& error);
};
