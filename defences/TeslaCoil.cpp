#include "defences/TeslaCoil.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "defences/InvaderCentre.h"
#include "effects/SparkEffect.h"
#include "game/GameSession.h"
#include "gfx/SpriteSheet.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
// The emitter, where ranges are measured from and arcs start, sits this far
// above the centre of the coil's frame.
constexpr int kEmitterHeight = 8;
} // namespace

TeslaCoil::TeslaCoil(int type) : Building(type), range(0.0) {
    const Engine& engine = Engine::instance();
    // Read as a real, as the coil has always read it: "7.9" deals 7.
    damage = engine.settings.getRealDamage(key("DamageBase"));
    range = engine.settings.getRadius(key("RangeBase"));
}

void TeslaCoil::update(double dt) {
    runFiringClock(dt);
}

Invader* TeslaCoil::pickTarget() const {
    if (!game || !game->wave)
        return nullptr;

    const double ex = centreX();
    const double ey = centreY() - kEmitterHeight;
    // Only the centre counts, and the edge of the range is inside. Health is
    // not looked at: an invader killed earlier in this step can draw an arc.
    std::vector<Invader*> candidates;
    for (Invader* invader : game->wave->invaders) {
        const double dx = invaderCentreX(*invader) - ex;
        const double dy = invaderCentreY(*invader) - ey;
        if (range * range >= dx * dx + dy * dy)
            candidates.push_back(invader);
    }
    if (candidates.empty())
        return nullptr;
    return candidates[Random::next() % candidates.size()];
}

void TeslaCoil::upgrade() {
    Building::upgrade();
    const double reach = Engine::instance().towerDefs[type].upgradeReach;
    range = std::min(range + reach, double{Settings::kFarOffCanvas});
}

Building::Circle TeslaCoil::strikeCircle(int centreX) const {
    const int centreY = Engine::instance().towerBaseline - restingFrameHeight(sheet) / 2;
    return {centreX, centreY - kEmitterHeight, static_cast<int>(range)};
}

void TeslaCoil::fire() {
    Invader* struck = pickTarget();
    if (!struck)
        return;
    struck->damage(damage);

    // The hit may have switched the invader to a frame of another size; the
    // arc ends at the centre of the frame it shows now.
    const int x1 = static_cast<int>(centreX());
    const int y1 = static_cast<int>(centreY()) - kEmitterHeight;
    const int x2 = static_cast<int>(invaderCentreX(*struck));
    const int y2 = static_cast<int>(invaderCentreY(*struck));
    Engine& engine = Engine::instance();
    game->effects.push_back(new SparkEffect(x1, y1, x2, y2));
    engine.sound->play(SoundEffect::TeslaStrike, x2);
}
