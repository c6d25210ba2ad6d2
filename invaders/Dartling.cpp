#include "invaders/Dartling.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "game/GameSession.h"
#include "game/InvaderDef.h"
#include "gfx/SpritePlayer.h"
#include "invaders/Wave.h"

namespace {
// Its dive: wings folded, head down.
constexpr int kDiving = 4;
// The wait is drawn in steps this fine.
constexpr int kWaitSteps = 1000;
} // namespace

Dartling::Dartling(int kind, int waveNumber) : Squibble(kind, waveNumber) {
    waitLeft = def().longestWait * (Random::next() % kWaitSteps) / kWaitSteps;
}

void Dartling::update(double dt) {
    Squibble::update(dt);
    if (wave && wave->game && wave->game->gameOver)
        return;
    if (diving) {
        y += dt * def().speed;
        return;
    }
    // The wait runs only once it is in sight: out of sight, a dive would
    // come from nowhere.
    if (y < 0.0)
        return;
    waitLeft -= dt;
    if (waitLeft > 0.0)
        return;
    diving = true;
    healthyLoop = damagedLoop = kDiving;
    player->playThen(kDiving, kDiving);
    Engine::instance().sound->play(SoundEffect::Dive, centreX());
}
