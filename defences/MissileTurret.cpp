#include "defences/MissileTurret.h"

#include "app/Engine.h"
#include "defences/InvaderCentre.h"
#include "defences/MissileProjectile.h"
#include "effects/SimpleEffect.h"
#include "game/GameSession.h"
#include "gfx/SpritePlayer.h"

#include <cstdlib>

namespace {
const int missileType = 1;

// The sheet's animations: resting and launching, to either side.
const int restingLeft = 0;
const int restingRight = 2;
const int launchingLeft = 3;
const int launchingRight = 4;

// Up and to the right (36 degrees) or up and to the left (144 degrees).
const double launchHeadingRight = 0.6283185307179586;
const double launchHeadingLeft = 2.5132741228718345;

// Where the missile leaves the tube, relative to the resting frame's centre
// and the ground line.
const int tubeOffsetX = 1;
const int tubeHeight = 9;

const int smokePuffs = 3;
const double firstPuffDelay = 0.1;
const double puffDelayStep = 0.07;
} // namespace

MissileTurret::MissileTurret() : splashDamage(0), splashRadius(0.0), facingRight(false) {
    const Engine& engine = Engine::instance();
    type = missileType;
    sheet = engine.towerDefs[missileType].sprite;
    period = static_cast<float>(engine.settings.getTime("Tower2FreqBase"));
    damage = engine.settings.getDamage("Tower2DamageBase");
    splashDamage = engine.settings.getDamage("Tower2DamageSplashBase");
    splashRadius = engine.settings.getRadius("Tower2SplashRadius");
}

void MissileTurret::update(double dt) {
    runFiringClock(dt);
}

void MissileTurret::fire() {
    Engine& engine = Engine::instance();
    const int halfWidth = restingFrameWidth() / 2;
    auto* missile =
        new MissileProjectile(x + halfWidth + tubeOffsetX, engine.towerBaseline - tubeHeight,
                              damage, splashDamage, splashRadius);
    // With nobody to shoot at the period is spent and nothing else happens.
    if (!missile->acquireTarget()) {
        delete missile;
        return;
    }

    // Compared with the left edge, not the centre, as the launcher always has.
    facingRight = x < invaderCentreX(*missile->target.get());
    if (facingRight) {
        missile->heading = launchHeadingRight;
        player->playThen(launchingRight, restingRight);
    } else {
        missile->heading = launchHeadingLeft;
        player->playThen(launchingLeft, restingLeft);
    }
    engine.session->projectiles.push_back(missile);

    for (int i = 0; i < smokePuffs; ++i) {
        const int dx = facingRight ? std::rand() % 6 + 3 : std::rand() % 6 - 9;
        const int py = std::rand() % 6 + engine.towerBaseline - 21;
        engine.session->effects.push_back(new SimpleEffect(
            x + halfWidth + dx, py, engine.puff2Sheet, firstPuffDelay + puffDelayStep * i));
    }
}
