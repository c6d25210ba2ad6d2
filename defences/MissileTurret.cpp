#include "defences/MissileTurret.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "defences/InvaderCentre.h"
#include "defences/MissileProjectile.h"
#include "effects/SimpleEffect.h"
#include "game/GameSession.h"
#include "gfx/SpritePlayer.h"

#include <algorithm>
#include <cstdlib>

namespace {
// The sheet's animations: resting and launching, to either side.
constexpr int kRestingLeft = 0;
constexpr int kRestingRight = 2;
constexpr int kLaunchingLeft = 3;
constexpr int kLaunchingRight = 4;

// Up and to the right (36 degrees) or up and to the left (144 degrees).
constexpr double kLaunchHeadingRight = 0.6283185307179586;
constexpr double kLaunchHeadingLeft = 2.5132741228718345;

// Where the missile leaves the tube, relative to the resting frame's centre
// and the ground line.
constexpr int kTubeOffsetX = 1;
constexpr int kTubeHeight = 9;

constexpr int kSmokePuffs = 3;
constexpr double kFirstPuffDelay = 0.1;
constexpr double kPuffDelayStep = 0.07;
} // namespace

MissileTurret::MissileTurret(int type)
    : Building(type), splashDamage(0), splashRadius(0.0), facingRight(false) {
    const Engine& engine = Engine::instance();
    splashDamage = engine.settings.getDamage(key("DamageSplashBase"));
    splashRadius = engine.settings.getRadius(key("SplashRadius"));
}

void MissileTurret::update(double dt) {
    runFiringClock(dt);
}

void MissileTurret::upgrade() {
    Building::upgrade();
    const TowerDef& def = Engine::instance().towerDefs[type];
    splashDamage = grownDamage(splashDamage, def.upgradeDamage);
    splashRadius = std::min(splashRadius + def.upgradeReach, double{Settings::kFarOffCanvas});
}

void MissileTurret::fire() {
    Engine& engine = Engine::instance();
    const int halfWidth = restingFrameWidth() / 2;
    auto* missile = new MissileProjectile(game, x + halfWidth + kTubeOffsetX,
                                          engine.towerBaseline - kTubeHeight, damage, splashDamage,
                                          splashRadius);
    // With nobody to shoot at the period is spent and nothing else happens.
    if (!missile->acquireTarget()) {
        delete missile;
        return;
    }

    // Compared with the left edge, not the centre, as the launcher always has.
    facingRight = x < invaderCentreX(*missile->target.get());
    if (facingRight) {
        missile->heading = kLaunchHeadingRight;
        player->playThen(kLaunchingRight, kRestingRight);
    } else {
        missile->heading = kLaunchHeadingLeft;
        player->playThen(kLaunchingLeft, kRestingLeft);
    }
    game->projectiles.push_back(missile);
    engine.sound->play(SoundEffect::MissileLaunch, static_cast<int>(missile->x));

    for (int i = 0; i < kSmokePuffs; ++i) {
        const int dx = facingRight ? Random::next() % 6 + 3 : Random::next() % 6 - 9;
        const int py = Random::next() % 6 + engine.towerBaseline - 21;
        game->effects.push_back(new SimpleEffect(x + halfWidth + dx, py, engine.puff2Sheet,
                                                 kFirstPuffDelay + kPuffDelayStep * i));
    }
}
