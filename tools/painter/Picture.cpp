#include "painter/Picture.h"

#include "glpack/Palette.h"

#include <allegro.h>

#include <cmath>
#include <cstdlib>

Picture::Picture(int width, int height, int fill)
    : w(width), h(height), pixels(static_cast<size_t>(width) * height, fill) {}

void Picture::set(int x, int y, int colour) {
    if (contains(x, y))
        pixels[y * w + x] = colour;
}

void Picture::fillRect(int x, int y, int width, int height, int colour) {
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            set(i, j, colour);
}

void Picture::line(int x0, int y0, int x1, int y1, int colour) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        set(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Picture::disc(double cx, double cy, double radius, int colour) {
    for (int y = static_cast<int>(std::floor(cy - radius)); y <= cy + radius; ++y)
        for (int x = static_cast<int>(std::floor(cx - radius)); x <= cx + radius; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius)
                set(x, y, colour);
}

void Picture::stamp(int x, int y, const std::vector<std::string>& rows) {
    for (size_t j = 0; j < rows.size(); ++j) {
        for (size_t i = 0; i < rows[j].size(); ++i) {
            const char c = rows[j][i];
            if (c >= '0' && c <= '9')
                set(x + static_cast<int>(i), y + static_cast<int>(j), c - '0');
            else if (c >= 'a' && c <= 'f')
                set(x + static_cast<int>(i), y + static_cast<int>(j), c - 'a' + 10);
        }
    }
}

void Picture::stamp(int x, int y, const Picture& picture) {
    for (int j = 0; j < picture.h; ++j)
        for (int i = 0; i < picture.w; ++i)
            if (picture.at(i, j) != kClear)
                set(x + i, y + j, picture.at(i, j));
}

void Picture::outline(int colour) {
    const Picture before = *this;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (before.at(x, y) != kClear)
                continue;
            if (before.at(x - 1, y) != kClear || before.at(x + 1, y) != kClear ||
                before.at(x, y - 1) != kClear || before.at(x, y + 1) != kClear)
                set(x, y, colour);
        }
    }
}

Picture Picture::mirrored() const {
    Picture result(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            result.set(w - 1 - x, y, at(x, y));
    return result;
}

Picture Picture::shifted(int dx, int dy) const {
    Picture result(w, h);
    result.stamp(dx, dy, *this);
    return result;
}

Picture Picture::scaled(int factor) const {
    Picture result(w * factor, h * factor);
    for (int y = 0; y < result.h; ++y)
        for (int x = 0; x < result.w; ++x)
            result.set(x, y, at(x / factor, y / factor));
    return result;
}

Picture Picture::recoloured(const std::array<int, 16>& map) const {
    Picture result = *this;
    for (int& pixel : result.pixels)
        if (pixel != kClear)
            pixel = map[pixel];
    return result;
}

BITMAP* Picture::toBitmap(const Palette& palette) const {
    BITMAP* bitmap = create_bitmap_ex(32, w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int index = at(x, y);
            const int rgb = index == kClear ? Palette::kMask : palette.colour(index);
            putpixel(bitmap, x, y,
                     makecol_depth(32, (rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff));
        }
    }
    return bitmap;
}
