#include "gfx/PackedImage.h"

#include <allegro.h>

int readU16(gzFile stream) {
    const int low = gzgetc(stream);
    const int high = gzgetc(stream);
    if (low < 0 || high < 0)
        return -1;
    return low + 256 * high;
}

BITMAP* readPackedImage(gzFile stream) {
    if (!stream)
        return nullptr;

    const int width = readU16(stream);
    const int height = readU16(stream);
    if (width < 0 || height < 0)
        return nullptr;
    if (static_cast<long>(width) * height > kMaxPackedImagePixels)
        return nullptr;

    BITMAP* image = create_bitmap(width, height);
    if (!image)
        return nullptr;

    // A byte at a time: gzread fails a whole call when the stream turns
    // corrupt in its middle, and would lose the pixels decoded before the
    // damage. gzgetc keeps them, and every byte after reads as -1.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int red = gzgetc(stream);
            const int green = gzgetc(stream);
            const int blue = gzgetc(stream);
            putpixel(image, x, y, makecol(red, green, blue));
        }
    }
    return image;
}

BITMAP* loadPackedImage(const char* fileName, RGB* /*palette*/) {
    gzFile stream = gzopen(fileName, "rb");
    if (!stream)
        return nullptr;
    BITMAP* image = readPackedImage(stream);
    gzclose(stream);
    return image;
}

void registerPackedImageType() {
    register_bitmap_file_type("mz", loadPackedImage, nullptr);
}
