#include "app/GameLoop.h"

#include "app/Engine.h"
#include "game/GameSession.h"

#include <allegro.h>

GameLoop::GameLoop(Engine& engine, Quit quit) : engine(engine), quit(quit) {
    startGame();
}

GameLoop::~GameLoop() {
    engine.setSession(nullptr);
    delete current;
}

bool GameLoop::frame(double dt) {
    if (!current)
        return false;
    current->step(dt, engine.platform->keyDown(KEY_TAB));
    current->draw();
    if (current->running)
        return true;
    if (endGame())
        startGame();
    return current != nullptr;
}

void GameLoop::startGame() {
    // Each game is a session of its own, so that a new one starts as empty
    // as the first; only the loaded data carries over.
    current = new GameSession;
    engine.setSession(current);
    current->start();
}

bool GameLoop::endGame() {
    // Quitting keeps what the game reached, as losing it does.
    engine.records->keep(current->wavesDefeated());
    const bool another = current->playAgain || quit == Quit::StartsANewGame;
    engine.setSession(nullptr);
    delete current;
    current = nullptr;
    return another;
}
