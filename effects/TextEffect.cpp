#include "effects/TextEffect.h"

#include "effects/TextImage.h"

#include <allegro.h>

namespace {
// Pixels per second up and to the right, the same on both axes.
constexpr double kDriftSpeed = 16.0;
constexpr double kLifetime = 1.0;
} // namespace

TextEffect::TextEffect(int x, int y, const BitmapFont* font, const char* text)
    : x(x), y(y), image(renderTextImage(font, text)) {
    lifetime = kLifetime;
}

TextEffect::~TextEffect() {
    if (image)
        destroy_bitmap(image);
}

void TextEffect::inkWith(int colour) {
    if (!image)
        return;
    const int mask = bitmap_mask_color(image);
    const auto brightness = [](int pixel) { return getr(pixel) + getg(pixel) + getb(pixel); };
    int ink = mask;
    for (int y = 0; y < image->h; ++y)
        for (int x = 0; x < image->w; ++x) {
            const int pixel = getpixel(image, x, y);
            if (pixel != mask && (ink == mask || brightness(pixel) > brightness(ink)))
                ink = pixel;
        }
    if (ink == mask)
        return;
    for (int y = 0; y < image->h; ++y)
        for (int x = 0; x < image->w; ++x)
            if (getpixel(image, x, y) == ink)
                putpixel(image, x, y, colour);
}

void TextEffect::update(double dt) {
    x += kDriftSpeed * dt;
    y -= kDriftSpeed * dt;
    Effect::update(dt);
}

void TextEffect::draw(BITMAP* bitmap) {
    if (!bitmap || !image)
        return;
    masked_blit(image, bitmap, 0, 0, static_cast<int>(x), static_cast<int>(y), image->w, image->h);
}
