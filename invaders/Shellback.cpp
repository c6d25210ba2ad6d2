#include "invaders/Shellback.h"

#include "app/Engine.h"
#include "game/InvaderDef.h"
#include "gfx/SpritePlayer.h"

namespace {
// The sparks off the shell of a hit turned aside.
constexpr int kTurnedAside = 4;
} // namespace

Shellback::Shellback(int kind, int waveNumber) : Squibble(kind, waveNumber) {}

void Shellback::damage(int amount) {
    if (health <= 0)
        return;
    const int armour = def().armour;
    if (amount > armour) {
        Squibble::damage(amount - armour);
        return;
    }
    player->playThen(kTurnedAside, restingLoop());
    Engine::instance().sound->play(SoundEffect::ArmourTurnedAside, centreX());
}
