#pragma once

#include "defences/Projectile.h"

// A bolt from a laser turret. It rises straight up; its reference point is
// the tip, the horizontal centre of the image's top edge.
class LaserProjectile : public Projectile {
  public:
    // (x, y) is the tip; damage is dealt to the first invader it touches.
    LaserProjectile(int x, int y, int damage);

    void update(double dt) override;
    void draw(BITMAP* bitmap) override;
    void hit(Invader* invader) override;

    BITMAP* image; // the engine's bolt picture, shared; may be missing
    double speed;  // pixels per second, upwards
    int damage;
};
