#include "invaders/Squibble.h"

#include "app/Engine.h"
#include "app/Saturating.h"
#include "effects/SimpleEffect.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "gfx/BitmapFont.h"
#include "gfx/SpritePlayer.h"
#include "invaders/Wave.h"

#include <cstdio>

namespace {
// At or below this share of its health a squibble shows itself damaged.
constexpr double kDamagedShare = 0.35;

// Animations of the invader sheet.
constexpr int kHealthyLoop = 0;
constexpr int kHealthyHit = 1;
constexpr int kDamagedLoop = 2;
constexpr int kDamagedHit = 3;
} // namespace

Squibble::Squibble(int kind, int waveNumber)
    : healthyLoop(kHealthyLoop), damagedLoop(kDamagedLoop) {
    this->kind = kind;
    const InvaderDef& def = Engine::instance().invaderDefs[kind];

    // Only the growth is cut to a whole number; the base health already is one.
    // Growth past an int, or not a number at all, must not give a squibble
    // that is born dead.
    const int growth = truncatedToInt((waveNumber - 1) * def.healthIncrease);
    health = maxHealth = saturatingAdd(growth, def.health);
    size = def.size;
    player = new SpritePlayer(def.sprite);
}

const InvaderDef& Squibble::def() const {
    return Engine::instance().invaderDefs[kind];
}

int Squibble::restingLoop() const {
    return health > static_cast<int>(maxHealth * kDamagedShare) ? healthyLoop : damagedLoop;
}

int Squibble::hitReaction() const {
    return health > static_cast<int>(maxHealth * kDamagedShare) ? kHealthyHit : kDamagedHit;
}

void Squibble::update(double dt) {
    player->advance(static_cast<float>(dt));
}

void Squibble::draw(BITMAP* bitmap) {
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    player->draw(bitmap, left, top);

    const Engine& engine = Engine::instance();
    const GameSession* game = wave ? wave->game : nullptr;
    if (game && game->debugOverlay && engine.fontSmall)
        engine.fontSmall->drawTextf(bitmap, left, top, "%d", health);
}

void Squibble::damage(int amount) {
    // Dead or escaped: a second hit in the same step pays nothing.
    if (health <= 0)
        return;

    health = saturatingSubtract(health, amount);
    if (health > 0) {
        player->playThen(hitReaction(), restingLoop());
        return;
    }

    // Only an invader in a game pays.
    GameSession* game = wave ? wave->game : nullptr;
    if (!game)
        return;
    Engine& engine = Engine::instance();
    const int bounty = def().value;
    game->money = saturatingAdd(game->money, bounty);
    game->countKill(kind);

    char text[16];
    std::snprintf(text, sizeof text, "+%d", bounty);
    const SpriteSheet* poof = def().poof ? def().poof : engine.poofSheet;
    game->effects.push_back(new SimpleEffect(centreX(), centreY(), poof, 0.0));
    game->effects.push_back(new TextEffect(centreX(), centreY(), engine.fontSmall, text));
    engine.sound->play(SoundEffect::SquibbleKilled, centreX());
}
