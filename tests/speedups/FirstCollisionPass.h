#pragma once

#include "defences/Projectile.h"
#include "game/GameSession.h"
#include "gfx/SpritePlayer.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"

// The collision pass as it was first written, every pair looking its
// invader's frame up: what the session's pass must match hit for hit, and the
// baseline the benchmarks time it against.
inline void collideAsFirstWritten(GameSession& session) {
    for (Projectile* projectile : session.projectiles) {
        for (Invader* invader : session.wave->invaders) {
            if (!projectile->alive)
                break;
            if (invader->health <= 0)
                continue;
            const double dx = invader->x + invader->player->frameWidth() / 2 - projectile->x;
            const double dy = invader->y + invader->player->frameHeight() / 2 - projectile->y;
            if (invader->size * invader->size > dx * dx + dy * dy)
                projectile->hit(invader);
        }
    }
}
