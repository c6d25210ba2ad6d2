#include "effects/SimpleEffect.h"

#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"

#include <cmath>

namespace {
// Seconds of one cycle of the sheet's animation 0, reckoned in floats as the
// player reckons it. 0 when the sheet has no cycle that ends: such an effect
// must not live for ever.
float firstCycle(const SpriteSheet* sheet) {
    if (!sheet || sheet->animationCount == 0)
        return 0.0f;
    const SpriteAnimation& animation = sheet->animations[0];
    const float cycle = static_cast<float>(animation.frameCount) / animation.rate;
    return std::isfinite(cycle) && cycle > 0.0f ? cycle : 0.0f;
}

// A player time in the middle of the cycle's last frame, well clear of the
// rounding at either of its ends.
float lastFrameTime(const SpriteSheet* sheet) {
    if (!sheet || sheet->animationCount == 0)
        return 0.0f;
    const SpriteAnimation& animation = sheet->animations[0];
    return (static_cast<float>(animation.frameCount) - 0.5f) / animation.rate;
}
} // namespace

SimpleEffect::SimpleEffect(int x, int y, const SpriteSheet* sheet, double delay)
    : player(new SpritePlayer(sheet)), delay(delay), cycle(firstCycle(sheet)),
      lastFrame(lastFrameTime(sheet)) {
    lifetime = delay + cycle;
    this->x = x - player->frameWidth() / 2;
    this->y = y - player->frameHeight() / 2;
}

SimpleEffect::~SimpleEffect() {
    delete player;
}

void SimpleEffect::update(double dt) {
    if (age >= delay)
        advancePlayer(static_cast<float>(dt));
    Effect::update(dt);
}

void SimpleEffect::draw(BITMAP* bitmap) {
    if (age >= delay)
        player->draw(bitmap, static_cast<int>(x), static_cast<int>(y));
}

// The player sums its float steps, the effect its double ones: the player can
// finish its cycle a hair before the effect's age reaches the lifetime, and
// would show the first frame again for the frame that remains. Where the
// player would start over, it stays on the last frame instead.
void SimpleEffect::advancePlayer(float dt) {
    if (cycle > 0.0f && !(player->time + dt < cycle))
        player->time = lastFrame;
    else
        player->advance(dt);
}
