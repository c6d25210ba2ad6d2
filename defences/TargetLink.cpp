#include "defences/TargetLink.h"

#include "app/Engine.h"
#include "game/GameSession.h"
#include "invaders/Wave.h"

TargetLink::~TargetLink() {
    clear();
}

void TargetLink::set(Invader* newInvader) {
    clear();
    const GameSession* session = Engine::instance().session;
    if (!session || !session->wave || !newInvader)
        return;
    invader = newInvader;
    waveNumber = session->waveNumber;
    session->wave->hold(this);
}

void TargetLink::clear() {
    if (wave)
        wave->release(this);
    invader = nullptr;
}

Invader* TargetLink::get() const {
    const GameSession* session = Engine::instance().session;
    if (!invader || !session || session->wave != wave || session->waveNumber != waveNumber)
        return nullptr;
    return invader;
}
