#include "effects/SparkEffect.h"

#include "app/Random.h"
#include "game/Layout.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr double kLifetime = 0.06;
// Room around both ends of the bolt for its jitter and its glow.
constexpr int kMargin = 4;
// The bolt bends at this many random points between its ends.
constexpr int kBends = 8;
// Each bend strays up to this many pixels from the straight line, per axis.
constexpr int kJitter = 3;

// The part of the playfield a bolt can be seen on, with room to spare. A bolt
// to a point beyond it is cut at its edge, so that a far-off target never asks
// for a huge image.
constexpr double kFieldLeft = -16.0;
constexpr double kFieldTop = -16.0;
constexpr double kFieldRight = layout::kCanvasWidth + 16.0;
constexpr double kFieldBottom = layout::kCanvasHeight + 16.0;

// Cuts the segment to the visible field (Liang and Barsky's clipping). Ends
// already inside are left exactly as they are. False when nothing is left.
bool clipToField(int& x1, int& y1, int& x2, int& y2) {
    const auto inside = [](int x, int y) {
        return x >= kFieldLeft && x <= kFieldRight && y >= kFieldTop && y <= kFieldBottom;
    };
    if (inside(x1, y1) && inside(x2, y2))
        return true;

    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    double enter = 0.0;
    double leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - kFieldLeft, kFieldRight - x1, y1 - kFieldTop, kFieldBottom - y1};
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0.0) {
            if (q[edge] < 0.0)
                return false;
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;

    const double startX = x1, startY = y1;
    if (!inside(x1, y1)) {
        x1 = static_cast<int>(std::lround(startX + enter * dx));
        y1 = static_cast<int>(std::lround(startY + enter * dy));
    }
    if (!inside(x2, y2)) {
        x2 = static_cast<int>(std::lround(startX + leave * dx));
        y2 = static_cast<int>(std::lround(startY + leave * dy));
    }
    return true;
}

// Where a bolt of the given ends sits on one axis: the image's corner, and the
// first and last point within the image.
struct Span {
    int corner, start, end;
};

Span span(int from, int to) {
    if (from < to)
        return {from - kMargin, kMargin, to - from + kMargin};
    return {to - kMargin, from - to + kMargin, kMargin};
}

// A bend kth of the way along, pushed off the line at random and kept in the image.
int bend(int start, int end, int k, int limit) {
    const int offset = Random::next() % (2 * kJitter + 1) - kJitter;
    return std::clamp(start + (end - start) * k / (kBends + 1) + offset, 0, limit);
}

uint32_t* row(BITMAP* image, int y) {
    return reinterpret_cast<uint32_t*>(image->line[y]);
}
} // namespace

SparkEffect::SparkEffect(int x1, int y1, int x2, int y2) : x(0.0), y(0.0), image(nullptr) {
    lifetime = kLifetime;
    if (!clipToField(x1, y1, x2, y2))
        return;

    const Span across = span(x1, x2);
    const Span down = span(y1, y2);
    x = across.corner;
    y = down.corner;
    const int width = std::abs(x1 - x2) + 2 * kMargin;
    const int height = std::abs(y1 - y2) + 2 * kMargin;
    // Always 32 bits, the game's own depth, so that the glow scan and the
    // drawing can work on whole rows of pixels.
    image = create_bitmap_ex(32, width, height);
    if (!image)
        return;

    const int mask = makecol32(255, 0, 255);
    const int white = makecol32(255, 255, 255);
    const int glow = makecol32(64, 128, 255);
    clear_to_color(image, mask);

    // Bends may land one past the last pixel; line() clips what falls outside.
    int previousX = across.start;
    int previousY = down.start;
    for (int k = 1; k <= kBends; ++k) {
        const int px = bend(across.start, across.end, k, width);
        const int py = bend(down.start, down.end, k, height);
        line(image, previousX, previousY, px, py, white);
        previousX = px;
        previousY = py;
    }
    line(image, previousX, previousY, across.end, down.end, white);

    addGlow(white, glow, mask);
    recordRuns(mask);
}

void SparkEffect::addGlow(int white, int glow, int mask) {
    // Glow only beside the bolt, not at its corners; glow pixels are not
    // white, so the glow never grows from itself. Outside the image counts as
    // not white.
    const uint32_t bolt = static_cast<uint32_t>(white);
    const uint32_t background = static_cast<uint32_t>(mask);
    const int width = image->w;
    const int height = image->h;
    for (int j = 0; j < height; ++j) {
        uint32_t* const here = row(image, j);
        const uint32_t* const above = j > 0 ? row(image, j - 1) : nullptr;
        const uint32_t* const below = j + 1 < height ? row(image, j + 1) : nullptr;
        for (int k = 0; k < width; ++k) {
            if (here[k] != background)
                continue;
            if ((k + 1 < width && here[k + 1] == bolt) || (k > 0 && here[k - 1] == bolt) ||
                (below && below[k] == bolt) || (above && above[k] == bolt))
                here[k] = static_cast<uint32_t>(glow);
        }
    }
}

void SparkEffect::recordRuns(int mask) {
    const uint32_t background = static_cast<uint32_t>(mask);
    rowStarts.reserve(static_cast<size_t>(image->h) + 1);
    for (int j = 0; j < image->h; ++j) {
        rowStarts.push_back(static_cast<int>(runs.size()));
        const uint32_t* const pixels = row(image, j);
        for (int k = 0; k < image->w;) {
            if (pixels[k] == background) {
                ++k;
                continue;
            }
            const int start = k;
            while (k < image->w && pixels[k] != background)
                ++k;
            runs.push_back({start, k - start});
        }
    }
    rowStarts.push_back(static_cast<int>(runs.size()));
}

SparkEffect::~SparkEffect() {
    if (image)
        destroy_bitmap(image);
}

void SparkEffect::draw(BITMAP* bitmap) {
    // A 32-bit image goes only onto a 32-bit bitmap, with masked_blit too.
    if (!bitmap || !image || bitmap_color_depth(bitmap) != 32)
        return;
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);

    // Clipped to the target's clip rectangle, as masked_blit clips, and
    // written through the library's line access, as masked_blit writes.
    const int firstRow = std::max(bitmap->ct - top, 0);
    const int endRow = std::min(bitmap->cb - top, image->h);
    for (int j = firstRow; j < endRow; ++j) {
        const int firstRun = rowStarts[j];
        const int endRun = rowStarts[j + 1];
        if (firstRun == endRun)
            continue;
        uint32_t* const out = reinterpret_cast<uint32_t*>(bmp_write_line(bitmap, top + j));
        const uint32_t* const in = row(image, j);
        for (int r = firstRun; r < endRun; ++r) {
            const int from = std::max(left + runs[r].x, bitmap->cl);
            const int to = std::min(left + runs[r].x + runs[r].length, bitmap->cr);
            for (int i = from; i < to; ++i)
                out[i] = in[i - left];
        }
    }
    bmp_unwrite_line(bitmap);
}
