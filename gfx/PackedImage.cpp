#include "gfx/PackedImage.h"

#include <allegro.h>

#include <vector>

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

    // A row at a time rather than a byte at a time: the result is the same,
    // bytes past the end of the stream count as -1 either way.
    std::vector<unsigned char> row(3 * static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        int got = row.empty() ? 0 : gzread(stream, row.data(), static_cast<unsigned>(row.size()));
        if (got < 0)
            got = 0;
        for (int x = 0; x < width; ++x) {
            int rgb[3];
            for (int c = 0; c < 3; ++c) {
                const int at = 3 * x + c;
                rgb[c] = at < got ? row[at] : -1;
            }
            putpixel(image, x, y, makecol(rgb[0], rgb[1], rgb[2]));
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
