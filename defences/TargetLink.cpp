#include "defences/TargetLink.h"

#include "app/Engine.h"
#include "game/GameSession.h"
#include "invaders/Wave.h"

void TargetLink::set(Invader* newInvader) {
    const GameSession* session = Engine::instance().session;
    invader = newInvader;
    wave = session ? session->wave : nullptr;
    waveNumber = session ? session->waveNumber : 0;
}

void TargetLink::clear() {
    invader = nullptr;
    wave = nullptr;
}

Invader* TargetLink::get() const {
    const GameSession* session = Engine::instance().session;
    if (!invader || !session || !session->wave || session->wave != wave ||
        session->waveNumber != waveNumber)
        return nullptr;
    for (Invader* candidate : session->wave->invaders) {
        if (candidate == invader)
            return invader;
    }
    return nullptr;
}
