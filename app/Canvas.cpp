#include "app/Canvas.h"

#include <allegro.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace {

// The part of a bitmap that drawing may change: its clip rectangle while
// clipping is on, else the whole of it. Right and bottom are exclusive.
struct Area {
    int left, top, right, bottom;
};

Area drawableArea(const BITMAP* bitmap) {
    if (!bitmap->clip)
        return {0, 0, bitmap->w, bitmap->h};
    return {bitmap->cl, bitmap->ct, bitmap->cr, bitmap->cb};
}

// How many times larger the target is than the source, when that is one whole
// number for both sides; otherwise 0.
int wholeFactor(const BITMAP* source, const BITMAP* target) {
    if (source->w < 1 || source->h < 1)
        return 0;
    const int factor = target->w / source->w;
    if (factor < 1 || target->w != factor * source->w || target->h != factor * source->h)
        return 0;
    return factor;
}

// Each source pixel `factor` times over. A factor known when compiling lets
// the copies unroll: a loop over a factor known only at run time costs more
// than stretch_blit does, so the usual factors get one each.
template <typename Factor>
void enlargeRow(const uint32_t* source, int width, Factor factor, uint32_t* out) {
    for (int x = 0; x < width; ++x) {
        for (int copy = 0; copy < factor; ++copy)
            *out++ = source[x];
    }
}

void enlargeRow(const uint32_t* source, int width, int factor, uint32_t* out) {
    switch (factor) {
    case 2:
        enlargeRow(source, width, std::integral_constant<int, 2>(), out);
        return;
    case 3:
        enlargeRow(source, width, std::integral_constant<int, 3>(), out);
        return;
    default:
        enlargeRow<int>(source, width, factor, out);
    }
}

// A source row doubled straight into two target lines, four pixels at a time:
// the window is written once, with no row buffer in between.
void doubleRowInto(const uint32_t* source, int width, uint32_t* upper, uint32_t* lower) {
    int x = 0;
#ifdef __SSE2__
    for (; x + 4 <= width; x += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + x));
        const __m128i left = _mm_unpacklo_epi32(pixels, pixels);
        const __m128i right = _mm_unpackhi_epi32(pixels, pixels);
        __m128i* upperOut = reinterpret_cast<__m128i*>(upper + 2 * x);
        __m128i* lowerOut = reinterpret_cast<__m128i*>(lower + 2 * x);
        _mm_storeu_si128(upperOut, left);
        _mm_storeu_si128(upperOut + 1, right);
        _mm_storeu_si128(lowerOut, left);
        _mm_storeu_si128(lowerOut + 1, right);
    }
#endif
    for (; x < width; ++x)
        upper[2 * x] = upper[2 * x + 1] = lower[2 * x] = lower[2 * x + 1] = source[x];
}

} // namespace

Canvas::Canvas(int width, int height) : bitmap(create_bitmap(width, height)) {}

Canvas::~Canvas() {
    if (bitmap)
        destroy_bitmap(bitmap);
    if (enlarged)
        destroy_bitmap(enlarged);
}

bool Canvas::stretchToScreen(bool evenUnchanged) {
    if (!screen || (!changedSinceShown() && !evenUnchanged))
        return false;
    stretchOnto(screen);
    return true;
}

bool Canvas::changedSinceShown() {
    // Only a 32-bit canvas is remembered; any other is always shown.
    if (!bitmap || bitmap_color_depth(bitmap) != 32)
        return true;
    const std::size_t rowBytes = static_cast<std::size_t>(bitmap->w) * sizeof(uint32_t);
    const bool known = shownPixels.size() == static_cast<std::size_t>(bitmap->w) * bitmap->h;
    bool changed = !known;
    if (!known)
        shownPixels.resize(static_cast<std::size_t>(bitmap->w) * bitmap->h);
    for (int y = 0; y < bitmap->h; ++y) {
        uint32_t* kept = shownPixels.data() + static_cast<std::size_t>(y) * bitmap->w;
        if (changed || std::memcmp(kept, bitmap->line[y], rowBytes) != 0) {
            std::memcpy(kept, bitmap->line[y], rowBytes);
            changed = true;
        }
    }
    return changed;
}

void Canvas::stretchOnto(BITMAP* target) {
    if (!bitmap || !target)
        return;
    const int factor = wholeFactor(bitmap, target);
    if (factor > 0 && bitmap_color_depth(bitmap) == 32 && bitmap_color_depth(target) == 32) {
        if (is_memory_bitmap(target)) {
            enlargeOnto(target, factor);
            return;
        }
        // The screen takes the enlarged frame in one blit, which its driver
        // passes on to the window system in one piece, as it does
        // stretch_blit's; written line by line, it would pass on every line by
        // itself, and the frames would crawl.
        if (BITMAP* frame = enlargedFrame(target->w, target->h)) {
            enlargeOnto(frame, factor);
            blit(frame, target, 0, 0, 0, 0, target->w, target->h);
            return;
        }
    }
    stretch_blit(bitmap, target, 0, 0, bitmap->w, bitmap->h, 0, 0, target->w, target->h);
}

BITMAP* Canvas::enlargedFrame(int width, int height) {
    if (enlarged && (enlarged->w != width || enlarged->h != height)) {
        destroy_bitmap(enlarged);
        enlarged = nullptr;
    }
    if (!enlarged)
        enlarged = create_bitmap_ex(32, width, height);
    return enlarged;
}

void Canvas::enlargeOnto(BITMAP* target, int factor) {
    const Area area = drawableArea(target);
    if (area.left >= area.right || area.top >= area.bottom)
        return;
    // The usual case, the whole of a window twice the canvas's size.
    if (factor == 2 && area.left == 0 && area.top == 0 && area.right == target->w &&
        area.bottom == target->h) {
        for (int sourceY = 0; sourceY < bitmap->h; ++sourceY) {
            doubleRowInto(reinterpret_cast<const uint32_t*>(bitmap->line[sourceY]), bitmap->w,
                          reinterpret_cast<uint32_t*>(target->line[2 * sourceY]),
                          reinterpret_cast<uint32_t*>(target->line[2 * sourceY + 1]));
        }
        return;
    }
    enlargedRow.resize(static_cast<size_t>(target->w));
    const size_t bytes = static_cast<size_t>(area.right - area.left) * sizeof(uint32_t);

    for (int sourceY = area.top / factor; sourceY * factor < area.bottom; ++sourceY) {
        enlargeRow(reinterpret_cast<const uint32_t*>(bitmap->line[sourceY]), bitmap->w, factor,
                   enlargedRow.data());
        const int firstY = std::max(sourceY * factor, area.top);
        const int lastY = std::min((sourceY + 1) * factor, area.bottom);
        for (int y = firstY; y < lastY; ++y) {
            std::memcpy(reinterpret_cast<uint32_t*>(target->line[y]) + area.left,
                        enlargedRow.data() + area.left, bytes);
        }
    }
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
    // within the same clip rectangle that putpixel keeps to.
    if (depth == 32 && is_memory_bitmap(bitmap)) {
        const Area area = drawableArea(bitmap);
        for (int y = area.top; y < area.bottom; ++y) {
            uint32_t* row = reinterpret_cast<uint32_t*>(bitmap->line[y]);
            for (int x = area.left; x < area.right; ++x) {
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
