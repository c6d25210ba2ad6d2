#pragma once

struct BITMAP;
class Invader;

// Anything a tower launches that then flies on its own. The session tests its
// reference point (x, y) against the invaders' hit circles.
class Projectile {
  public:
    Projectile(int x, int y);
    virtual ~Projectile() = default;

    // Moves by dt seconds and decides whether the projectile is spent.
    virtual void update(double dt) = 0;
    virtual void draw(BITMAP* bitmap) = 0;
    // The reference point lies inside a living invader's hit circle.
    virtual void hit(Invader* invader) = 0;

    bool alive; // false once spent; the session then deletes it
    double x, y;
};
