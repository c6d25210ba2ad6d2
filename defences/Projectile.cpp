#include "defences/Projectile.h"

Projectile::Projectile(int x, int y) : alive(true), x(x), y(y) {}
