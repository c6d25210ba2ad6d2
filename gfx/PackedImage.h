#pragma once

#include <zlib.h>

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
// reads as white, as the format has always done.
BITMAP* readPackedImage(gzFile stream);

// The loader registered with load_bitmap for ".mz"; the palette is ignored.
BITMAP* loadPackedImage(const char* fileName, RGB* palette);

// Makes load_bitmap read ".mz" files.
void registerPackedImageType();
