#include "effects/BounceTextEffect.h"

#include "effects/TextImage.h"

#include <allegro.h>

namespace {
constexpr double kLifetime = 3.0;
// Upward speed at which the title hops off its line, pixels per second.
constexpr double kHopVelocity = -40.0;
constexpr double kGravity = 90.0;
// Share of its speed the title keeps when it bounces off its line.
constexpr double kBounce = 0.6;
// The title unfolds until this age, stands, stops moving after kFreezeAge, and
// folds away from kFoldAge, each unfolding and folding lasting kFoldTime.
constexpr double kFoldTime = 0.15;
constexpr double kFreezeAge = 1.4;
constexpr double kFoldAge = 2.4;
// The title is drawn at twice the size of its image.
constexpr int kScale = 2;
} // namespace

BounceTextEffect::BounceTextEffect(int x, int y, const BitmapFont* font, const char* text)
    : x(0.0), y(y), image(renderTextImage(font, text)), velocityY(kHopVelocity), restY(y) {
    lifetime = kLifetime;
    // Doubled, the text is 2w wide, so starting w to the left centres it on x.
    this->x = x - (image ? image->w : 0);
}

BounceTextEffect::~BounceTextEffect() {
    if (image)
        destroy_bitmap(image);
}

void BounceTextEffect::update(double dt) {
    Effect::update(dt);
    if (age < kFoldTime)
        return;

    const double newY = y + dt * velocityY;
    double newVelocity = velocityY + kGravity * dt;
    if (newY >= restY) {
        y = restY;
        newVelocity = -kBounce * newVelocity;
    } else {
        y = newY;
    }
    // Settled: wherever the hop has left it, even a little above its line.
    velocityY = age > kFreezeAge ? 0.0 : newVelocity;
}

void BounceTextEffect::draw(BITMAP* bitmap) {
    if (!bitmap || !image)
        return;
    const int w = image->w;
    const int h = image->h;
    const int dx = static_cast<int>(x);
    const int top = static_cast<int>(y);

    if (age >= kFoldTime && age < kFoldAge) {
        masked_stretch_blit(image, bitmap, 0, 0, w, h, dx, top, kScale * w, kScale * h);
        return;
    }

    // Unfolding and folding squash the text about its middle line.
    const float s = age < kFoldTime ? static_cast<float>(age / kFoldTime)
                                    : static_cast<float>(1.0 - (age - kFoldAge) / kFoldTime);
    // Also refuses a scale that is not a number, before it is cut to an int.
    if (!(s > 0.0f) || s > 1.0f)
        return;
    const int dh = static_cast<int>(kScale * s * h);
    if (dh <= 0)
        return;
    const int dy = top + static_cast<int>((1.0f - s) * h);
    masked_stretch_blit(image, bitmap, 0, 0, w, h, dx, dy, kScale * w, dh);
}
