#include "defences/LaserTurret.h"

#include "app/Engine.h"
#include "defences/LaserProjectile.h"
#include "game/GameSession.h"
#include "gfx/SpritePlayer.h"

namespace {
const int laserType = 0;
const int restingAnimation = 0;
const int firingAnimation = 2;
// The muzzle stands this far above the ground line.
const int muzzleHeight = 12;
} // namespace

LaserTurret::LaserTurret() {
    const Engine& engine = Engine::instance();
    type = laserType;
    sheet = engine.towerDefs[laserType].sprite;
    period = static_cast<float>(engine.settings.getTime("Tower1FreqBase"));
    damage = engine.settings.getDamage("Tower1DamageBase");
}

void LaserTurret::update(double dt) {
    runFiringClock(dt);
}

void LaserTurret::fire() {
    Engine& engine = Engine::instance();
    player->playThen(firingAnimation, restingAnimation);
    // Measured from the resting frame so the muzzle does not wander during
    // the firing animation.
    const int muzzleX = x + restingFrameWidth() / 2;
    const int muzzleY = engine.towerBaseline - muzzleHeight;
    engine.session->projectiles.push_back(new LaserProjectile(muzzleX, muzzleY, damage));
}
