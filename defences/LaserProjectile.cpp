#include "defences/LaserProjectile.h"

#include "app/Engine.h"
#include "game/Layout.h"
#include "invaders/Invader.h"

#include <allegro.h>

LaserProjectile::LaserProjectile(int x, int y, int damage)
    : Projectile(x, y), image(Engine::instance().laserSmall),
      speed(Engine::instance().settings.getSpeed("LaserSpeedBase")), damage(damage) {}

void LaserProjectile::update(double dt) {
    y -= speed * dt;
    // Without its picture the bolt still flies and hits; it is simply unseen
    // and counts as having no height.
    const int height = image ? image->h : 0;
    // A modder's negative speed fires the bolts down, out at the bottom.
    if (y < -height || y > layout::kCanvasHeight)
        alive = false;
}

void LaserProjectile::draw(BITMAP* bitmap) {
    if (!image || !bitmap)
        return;
    masked_blit(image, bitmap, 0, 0, static_cast<int>(x) - image->w / 2, static_cast<int>(y),
                image->w, image->h);
}

void LaserProjectile::hit(Invader* invader) {
    invader->damage(damage);
    alive = false;
}
