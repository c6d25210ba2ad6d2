#include "app/GameLoop.h"

#include "app/Engine.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"

#include <allegro.h>

GameLoop::GameLoop(Engine& engine, Quit quit) : engine(engine), quit(quit) {
    startGame();
}

GameLoop::~GameLoop() {
    delete playfield;
    delete current;
}

bool GameLoop::frame(double dt) {
    if (!current)
        return false;
    playfield->step(dt, engine.platform->keyDown(KEY_TAB));
    playfield->draw();
    engine.canvas->stretchToScreen();
    // The close button ends the program after the frame in progress, as
    // "Yes" would, whatever the screen was showing.
    if (engine.closeRequested) {
        endGame();
        return false;
    }
    if (playfield->running)
        return true;
    if (endGame())
        startGame();
    return current != nullptr;
}

void GameLoop::startGame() {
    // Each game is a session of its own, so that a new one starts as empty
    // as the first; only the loaded data carries over.
    current = new GameSession;
    current->start();
    playfield = new PlayfieldScreen(*current);
}

bool GameLoop::endGame() {
    // Quitting keeps what the game reached, as losing it does.
    engine.records->keep(current->wavesDefeated());
    const bool another = playfield->playAgain || quit == Quit::StartsANewGame;
    delete playfield;
    delete current;
    playfield = nullptr;
    current = nullptr;
    return another;
}
