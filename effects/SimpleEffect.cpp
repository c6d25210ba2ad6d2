#include "effects/SimpleEffect.h"

#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"

#include <cmath>

namespace {
// Seconds of one cycle of the sheet's animation 0, reckoned in floats as the
// player reckons it, so that the effect ends with the player's cycle. 0 when
// the sheet has no cycle that ends: such an effect must not live for ever.
double firstCycle(const SpriteSheet* sheet) {
    if (!sheet || sheet->animationCount == 0)
        return 0.0;
    const SpriteAnimation& animation = sheet->animations[0];
    const float cycle = static_cast<float>(animation.frameCount) / animation.rate;
    return std::isfinite(cycle) && cycle > 0.0f ? cycle : 0.0;
}
} // namespace

SimpleEffect::SimpleEffect(int x, int y, const SpriteSheet* sheet, double delay)
    : player(new SpritePlayer(sheet)), delay(delay) {
    lifetime = delay + firstCycle(sheet);
    this->x = x - player->frameWidth() / 2;
    this->y = y - player->frameHeight() / 2;
}

SimpleEffect::~SimpleEffect() {
    delete player;
}

void SimpleEffect::update(double dt) {
    if (age >= delay)
        player->advance(static_cast<float>(dt));
    Effect::update(dt);
}

void SimpleEffect::draw(BITMAP* bitmap) {
    if (age >= delay)
        player->draw(bitmap, static_cast<int>(x), static_cast<int>(y));
}
