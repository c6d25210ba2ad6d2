#include "defences/LaserTurret.h"

#include "app/Engine.h"
#include "defences/LaserProjectile.h"
#include "game/GameSession.h"
#include "gfx/SpritePlayer.h"

namespace {
constexpr int kRestingAnimation = 0;
constexpr int kFiringAnimation = 2;
// The muzzle stands this far above the ground line.
constexpr int kMuzzleHeight = 12;
} // namespace

LaserTurret::LaserTurret(int type) : Building(type) {}

void LaserTurret::update(double dt) {
    runFiringClock(dt);
}

void LaserTurret::fire() {
    Engine& engine = Engine::instance();
    player->playThen(kFiringAnimation, kRestingAnimation);
    // Measured from the resting frame so the muzzle does not wander during
    // the firing animation.
    const int muzzleX = x + restingFrameWidth() / 2;
    const int muzzleY = engine.towerBaseline - kMuzzleHeight;
    game->projectiles.push_back(new LaserProjectile(muzzleX, muzzleY, damage));
    engine.sound->play(SoundEffect::LaserShot, muzzleX);
}
