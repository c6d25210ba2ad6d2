#include "defences/MissileProjectile.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "app/Saturating.h"
#include "defences/InvaderCentre.h"
#include "effects/SimpleEffect.h"
#include "game/GameSession.h"
#include "gfx/SpritePlayer.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
// The missile keeps its launch heading this long, so that it clears the
// turret before it starts to turn.
constexpr double kStraightFlightTime = 0.2;
constexpr double kTrailPuffInterval = 0.09;
// The extra blasts of an explosion start one after the other over this time.
constexpr double kBlastSpread = 0.3;
// The most extra blasts one explosion shows. Shipped missiles show 13, and
// one that kills a squibble of wave 100 (505 health) outright some 500. Each
// blast is an effect of its own: 200,000 of them stalled the game for half a
// minute and took 330 MB; a thousand take a two-hundredth of that.
constexpr int kMostBlasts = 1000;
constexpr int kDirectionCount = 16;
// Half a sector, so that each direction covers the headings around it.
constexpr float kHalfSector = 0.03125f;

// The nearest of the sheet's direction animations for a heading.
int directionAnimation(double heading) {
    int n = static_cast<int>(kDirectionCount * (heading / kTwoPi + kHalfSector));
    if (n < 0)
        n += kDirectionCount;
    return n % kDirectionCount;
}

// The same angle in [0, 2pi).
double normalisedHeading(double heading) {
    heading = std::fmod(heading, kTwoPi);
    if (heading < 0.0)
        heading += kTwoPi;
    // A tiny negative angle plus 2pi can round up to exactly 2pi.
    if (heading >= kTwoPi)
        heading -= kTwoPi;
    return heading;
}
} // namespace

MissileProjectile::MissileProjectile(GameSession* game, int x, int y, int damage, int splashDamage,
                                     double splashRadius)
    : Projectile(x, y), game(game), player(new SpritePlayer(Engine::instance().missileSheet)),
      speed(Engine::instance().settings.getSpeed("MissileSpeedBase")), heading(0.0), damage(damage),
      splashDamage(splashDamage), splashRadius(splashRadius),
      steeringMax(Engine::instance().settings.getReal("MissileSteeringMax")),
      steeringResponse(Engine::instance().settings.getReal("MissileSteeringResponse")), age(0.0),
      life(Engine::instance().settings.getTime("MissileLife")), puffTimer(0.0) {}

MissileProjectile::~MissileProjectile() {
    delete player;
}

bool MissileProjectile::acquireTarget() {
    if (!game || !game->wave || game->wave->invaders.empty()) {
        target.clear();
        return false;
    }
    const std::list<Invader*>& invaders = game->wave->invaders;
    const int count = static_cast<int>(invaders.size());
    target.set(game, *std::next(invaders.begin(), Random::next() % count));
    return true;
}

void MissileProjectile::explode() {
    Engine& engine = Engine::instance();
    if (game->wave) {
        for (Invader* invader : game->wave->invaders) {
            if (invader->health <= 0)
                continue;
            const double dx = invaderCentreX(*invader) - x;
            const double dy = invaderCentreY(*invader) - y;
            const double reach = splashRadius + invader->size;
            if (reach * reach > dx * dx + dy * dy)
                invader->damage(splashDamage);
        }
    }

    game->effects.push_back(new SimpleEffect(static_cast<int>(x), static_cast<int>(y),
                                             engine.explosionSmallSheet, 0.0));
    engine.sound->play(SoundEffect::Explosion, static_cast<int>(x));

    // One more blast per point of damage carried, scattered over the splash.
    const int blasts = std::min(damage + splashDamage, kMostBlasts);
    const int scatter = static_cast<int>(splashRadius);
    for (int i = 0; i < blasts; ++i) {
        int ex = static_cast<int>(x);
        int ey = static_cast<int>(y);
        // Below one pixel there is nothing to scatter over: the blasts stay
        // at the centre.
        if (scatter >= 1) {
            ex = static_cast<int>(x + 2 * (Random::next() % scatter) - splashRadius);
            ey = static_cast<int>(y + 2 * (Random::next() % scatter) - splashRadius);
        }
        const double delay = kBlastSpread * (i + 1) / blasts;
        game->effects.push_back(new SimpleEffect(ex, ey, engine.explosionSmallSheet, delay));
    }
}

void MissileProjectile::update(double dt) {
    if (!alive)
        return;
    Engine& engine = Engine::instance();

    // Runs in the game's second pass too, so a missile whose target has
    // just died picks another one in the same step.
    Invader* chased = target.get();
    if (!chased || chased->health <= 0) {
        if (!acquireTarget()) {
            alive = false;
            game->effects.push_back(
                new SimpleEffect(static_cast<int>(x), static_cast<int>(y), engine.poofSheet, 0.0));
            return;
        }
        chased = target.get();
    }

    age += dt;
    if (age > life) {
        explode();
        alive = false;
        return;
    }

    player->advance(static_cast<float>(dt));

    const bool steering = age > kStraightFlightTime;
    const double turn = steering ? steerTowards(*chased, dt) : 0.0;

    // Turning hard slows the missile; harder still and it drifts backwards.
    const double velocity = heldSpeed(speed * (1.0 - std::fabs(turn) * steeringResponse));
    x += std::cos(heading) * velocity * dt;
    y -= std::sin(heading) * velocity * dt;

    // Restarted every update, so the missile always shows the first frame of
    // its direction.
    player->setAnimation(directionAnimation(heading));

    if (steering)
        leaveTrail(dt);
}

double MissileProjectile::steerTowards(const Invader& invader, double dt) {
    const double dx = invaderCentreX(invader) - x;
    const double dy = invaderCentreY(invader) - y;
    const double length = std::sqrt(dx * dx + dy * dy);
    // Right on the target there is no direction to turn to.
    if (length == 0.0)
        return 0.0;

    const double desired = std::atan2(-dy / length, dx / length);
    double diff = desired - heading;
    if (diff > kPi)
        diff -= kTwoPi;
    else if (diff < -kPi)
        diff += kTwoPi;

    // Capped both ways, so that missiles turn as fast clockwise as
    // counter-clockwise.
    double turn = diff;
    if (turn > steeringMax)
        turn = steeringMax;
    else if (turn < -steeringMax)
        turn = -steeringMax;

    heading = normalisedHeading(heading + turn * dt);
    return turn;
}

void MissileProjectile::leaveTrail(double dt) {
    Engine& engine = Engine::instance();
    puffTimer -= dt;
    while (puffTimer < 0.0) {
        game->effects.push_back(new SimpleEffect(static_cast<int>(x - std::cos(heading)),
                                                 static_cast<int>(y) - 1, engine.puff2Sheet, 0.0));
        puffTimer += kTrailPuffInterval;
    }
}

void MissileProjectile::draw(BITMAP* bitmap) {
    player->draw(bitmap, static_cast<int>(x) - player->frameWidth() / 2,
                 static_cast<int>(y) - player->frameHeight() / 2);
}

void MissileProjectile::hit(Invader* invader) {
    invader->damage(damage);
    explode();
    alive = false;
}
