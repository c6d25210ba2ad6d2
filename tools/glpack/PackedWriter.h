#pragma once

#include <string>
#include <vector>

struct BITMAP;
class SheetDescription;

using Bytes = std::vector<unsigned char>;

// Writes the game's packed formats: ".mz" images and ".sz" sprite sheets.
class PackedWriter {
  public:
    // The uncompressed bytes of a packed image: width, height, RGB rows.
    static Bytes imageBytes(BITMAP* image);

    // The uncompressed bytes of a sheet: the image, its frames, its animations.
    static Bytes sheetBytes(BITMAP* image, const SheetDescription& description);

    // Compresses the bytes into a gzip file at the best level. zlib writes no
    // time stamp and no file name, so the same bytes always give the same file.
    static bool writeGzip(const std::string& path, const Bytes& bytes, std::string& error);
};
