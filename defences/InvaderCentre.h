#pragma once

#include "gfx/SpritePlayer.h"
#include "invaders/Invader.h"

// The centre of an invader's current frame, as the hit tests see it: its
// position plus half the frame, each half an integer division.
inline double invaderCentreX(const Invader& invader) {
    return invader.x + (invader.player ? invader.player->frameWidth() / 2 : 0);
}

inline double invaderCentreY(const Invader& invader) {
    return invader.y + (invader.player ? invader.player->frameHeight() / 2 : 0);
}
