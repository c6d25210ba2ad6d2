#include "defences/TargetLink.h"

#include "game/GameSession.h"
#include "invaders/Wave.h"

TargetLink::~TargetLink() {
    clear();
}

void TargetLink::set(const GameSession* inGame, Invader* newInvader) {
    clear();
    if (!inGame || !inGame->wave || !newInvader)
        return;
    invader = newInvader;
    game = inGame;
    waveNumber = game->waveNumber;
    game->wave->hold(this);
}

void TargetLink::clear() {
    if (wave)
        wave->release(this);
    invader = nullptr;
}

Invader* TargetLink::get() const {
    if (!invader || !game || game->wave != wave || game->waveNumber != waveNumber)
        return nullptr;
    return invader;
}
