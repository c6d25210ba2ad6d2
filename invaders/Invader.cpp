#include "invaders/Invader.h"

#include "gfx/SpritePlayer.h"

Invader::Invader()
    : x(0.0), y(0.0), health(0), maxHealth(0), player(nullptr), size(0.0), wave(nullptr), kind(0) {}

Invader::~Invader() {
    delete player;
}

int Invader::centreX() const {
    return static_cast<int>(x) + (player ? player->frameWidth() : 0) / 2;
}

int Invader::centreY() const {
    return static_cast<int>(y) + (player ? player->frameHeight() : 0) / 2;
}
