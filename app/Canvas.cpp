#include "app/Canvas.h"

#include <allegro.h>

#include <cstdint>

Canvas::Canvas(int width, int height) : bitmap(create_bitmap(width, height)) {}

Canvas::~Canvas() {
    if (bitmap)
        destroy_bitmap(bitmap);
}

void Canvas::stretchToScreen() {
    stretchOnto(screen);
}

void Canvas::stretchOnto(BITMAP* target) {
    if (!bitmap || !target)
        return;
    stretch_blit(bitmap, target, 0, 0, bitmap->w, bitmap->h, 0, 0, target->w, target->h);
}

namespace {

int greyLevel(int red, int green, int blue) {
    return static_cast<int>(0.30 * red + 0.59 * green + 0.11 * blue);
}

} // namespace

void greyOut(BITMAP* bitmap) {
    if (!bitmap)
        return;
    const int depth = bitmap_color_depth(bitmap);

    // The game-over screen greys the canvas every frame: a 32-bit memory
    // bitmap is walked row by row instead of through the per-pixel calls,
    // with the same result.
    if (depth == 32 && is_memory_bitmap(bitmap)) {
        for (int y = 0; y < bitmap->h; ++y) {
            uint32_t* row = reinterpret_cast<uint32_t*>(bitmap->line[y]);
            for (int x = 0; x < bitmap->w; ++x) {
                const int pixel = static_cast<int>(row[x]);
                const int grey = greyLevel(getr32(pixel), getg32(pixel), getb32(pixel));
                row[x] = static_cast<uint32_t>(makecol32(grey, grey, grey));
            }
        }
        return;
    }

    for (int y = 0; y < bitmap->h; ++y) {
        for (int x = 0; x < bitmap->w; ++x) {
            const int pixel = getpixel(bitmap, x, y);
            const int grey = greyLevel(getr_depth(depth, pixel), getg_depth(depth, pixel),
                                       getb_depth(depth, pixel));
            putpixel(bitmap, x, y, makecol_depth(depth, grey, grey, grey));
        }
    }
}
