#include "app/Canvas.h"

#include <allegro.h>

Canvas::Canvas(int width, int height) : bitmap(create_bitmap(width, height)) {}

Canvas::~Canvas() {
    if (bitmap)
        destroy_bitmap(bitmap);
}

void Canvas::stretchToScreen() { stretchOnto(screen); }

void Canvas::stretchOnto(BITMAP* target) {
    if (!bitmap || !target)
        return;
    stretch_blit(bitmap, target, 0, 0, bitmap->w, bitmap->h, 0, 0, target->w, target->h);
}

void greyOut(BITMAP* bitmap) {
    if (!bitmap)
        return;
    const int depth = bitmap_color_depth(bitmap);
    for (int y = 0; y < bitmap->h; ++y) {
        for (int x = 0; x < bitmap->w; ++x) {
            const int pixel = getpixel(bitmap, x, y);
            const int grey = static_cast<int>(0.30 * getr_depth(depth, pixel) +
                                              0.59 * getg_depth(depth, pixel) +
                                              0.11 * getb_depth(depth, pixel));
            putpixel(bitmap, x, y, makecol_depth(depth, grey, grey, grey));
        }
    }
}
