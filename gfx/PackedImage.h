#pragma once

#include "gfx/Problem.h"

#include <zlib.h>

#include <string>
#include <vector>

struct BITMAP;
struct RGB;

// The game's still-image format, ".mz": one gzip stream holding the width and
// the height (16-bit little-endian) and then 24-bit RGB rows, top to bottom.
// Magenta (255, 0, 255) is transparency.

// The largest image the reader accepts, in pixels. Anything above it is a
// broken or hostile header, not art for a 320 x 240 game.
constexpr long kMaxPackedImagePixels = 4096L * 4096L;

// The next unsigned 16-bit little-endian value of the stream, or -1 when the
// stream ends before both bytes are read.
int readU16(gzFile stream);

// Reads one packed image from the stream's current position and leaves the
// stream just after its last pixel. Null for a null stream, a header cut
// short, or a size the reader will not allocate. Pixel data that ends early
// reads as white, as the format has always done. Each of these, and an image
// without pixels, is added to `problems` when it is given.
BITMAP* readPackedImage(gzFile stream, std::vector<Problem>* problems = nullptr);

// Opens a ".mz" file and reads its image. With `problems`, it also reports a
// file that does not open, bytes after the image, and damage to the stream.
BITMAP* readPackedImageFile(const std::string& fileName, std::vector<Problem>* problems);

// The loader registered with load_bitmap for ".mz"; the palette is ignored.
BITMAP* loadPackedImage(const char* fileName, RGB* palette);

// Makes load_bitmap read ".mz" files.
void registerPackedImageType();

// How problems name a place in a file: "offset 1234" counts the bytes of the
// decompressed stream before it, as gztell gives them.
std::string offsetName(z_off_t offset);

// Reports, once a reader of the file is done, the damage that stopped the
// decompression early if any did, and, when the reader took all it wanted,
// the bytes that follow which nothing reads.
void reportStreamEnd(gzFile stream, const std::string& fileName, bool readerFinished,
                     std::vector<Problem>& problems);
