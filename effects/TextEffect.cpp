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
