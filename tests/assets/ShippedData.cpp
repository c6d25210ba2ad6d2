#include "ShippedData.h"

#include "app/Settings.h"

namespace shippedData {

const Settings& settings() {
    static const Settings loaded = [] {
        Settings s;
        s.load("data/strings.txt");
        return s;
    }();
    return loaded;
}

Bitmap image(const std::string& path) {
    return Bitmap(load_bitmap(path.c_str(), nullptr));
}

int rgb(const BITMAP* bitmap, int x, int y) {
    // Allegro's own calls take no const, though they only read.
    BITMAP* readable = const_cast<BITMAP*>(bitmap);
    const int depth = bitmap_color_depth(readable);
    const int pixel = getpixel(readable, x, y);
    return (getr_depth(depth, pixel) << 16) | (getg_depth(depth, pixel) << 8) |
           getb_depth(depth, pixel);
}

int opaquePixels(const BITMAP* bitmap, int x, int y, int width, int height) {
    int count = 0;
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            if (rgb(bitmap, i, j) != kMask)
                ++count;
    return count;
}

bool differ(const BITMAP* a, const BITMAP* b) {
    if (a->w != b->w || a->h != b->h)
        return true;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            if (rgb(a, x, y) != rgb(b, x, y))
                return true;
    return false;
}

int mostCommon(const std::map<int, int>& colourCounts) {
    int best = 0, bestCount = 0;
    for (const auto& [colour, count] : colourCounts) {
        if (count > bestCount) {
            best = colour;
            bestCount = count;
        }
    }
    return best;
}

int brightness(int colour) {
    return (299 * (colour >> 16 & 0xff) + 587 * (colour >> 8 & 0xff) + 114 * (colour & 0xff)) /
           1000;
}

bool reddish(int colour) {
    const int r = colour >> 16 & 0xff, g = colour >> 8 & 0xff, b = colour & 0xff;
    return r > 100 && r > 2 * g && r > b;
}

} // namespace shippedData
