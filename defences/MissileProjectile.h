#pragma once

#include "defences/Projectile.h"
#include "defences/TargetLink.h"

class GameSession;
class SpritePlayer;

// A homing missile. It leaves at its launch heading, flies straight for a
// moment, then turns towards a random invader at a limited rate, losing speed
// while it turns, and blows up on contact or when its fuel runs out. Its
// reference point is the centre of its sprite.
//
// Angles are radians counter-clockwise from pointing right, with y up: a
// heading h moves the missile by (cos h, -sin h) on the canvas.
class MissileProjectile : public Projectile {
  public:
    // Launched in the game, whose wave it chases and whose effects it adds to.
    MissileProjectile(GameSession* game, int x, int y, int damage, int splashDamage,
                      double splashRadius);
    ~MissileProjectile() override;

    // Chooses a random invader of the current wave, dead or alive; false when
    // there is none.
    bool acquireTarget();

    // Hurts every living invader within the splash and shows the blast. It
    // leaves alive as it is; the callers spend the missile.
    void explode();

    void update(double dt) override;
    void draw(BITMAP* bitmap) override;
    void hit(Invader* invader) override;

    GameSession* game;
    SpritePlayer* player;    // on the missile sheet, one animation per direction
    double speed;            // pixels per second
    double heading;          // in [0, 2pi) once the missile has steered
    int damage;              // dealt by a direct hit
    int splashDamage;        // dealt by the blast to each invader near it
    double splashRadius;     // pixels
    double steeringMax;      // radians per second, the fastest turn
    double steeringResponse; // speed lost per radian per second of turning
    TargetLink target;
    double age;       // seconds since launch
    double life;      // the age at which it blows up by itself
    double puffTimer; // seconds until the next trail puff

  private:
    // Turns the heading towards the target and gives the turn rate used.
    double steerTowards(const Invader& invader, double dt);
    void leaveTrail(double dt);
};
