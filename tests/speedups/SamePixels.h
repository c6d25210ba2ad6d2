#pragma once

#include <allegro.h>

#include <cstring>

// Whether two 32-bit bitmaps of one size hold the same pixels, row by row.
inline bool samePixels(BITMAP* a, BITMAP* b) {
    for (int y = 0; y < a->h; ++y) {
        if (std::memcmp(a->line[y], b->line[y], static_cast<size_t>(a->w) * 4) != 0)
            return false;
    }
    return true;
}
