#include "app/GameLoop.h"

#include "app/Engine.h"
#include "game/GameSession.h"
#include "game/HowToPlayScreen.h"
#include "game/OptionsScreen.h"
#include "game/PlayfieldScreen.h"
#include "game/TitleScreen.h"

#include <allegro.h>

#include <cstdio>

namespace {

// How often a calm screen is played, in seconds.
constexpr double kCalmStep = 0.1;
// How long a screen stands still before the sound device is let go: long
// enough for the last effect to die away, and for a quick look at a dialog
// not to close and open the device.
constexpr double kSoundStandsByAfter = 2.0;

} // namespace

GameLoop::GameLoop(Engine& engine, Quit quit, Opening opening, Difficulty level)
    : engine(engine), quit(quit), opening(opening) {
    if (opening == Opening::Title)
        show(new TitleScreen(engine, quit == Quit::Ends));
    else
        startGame(level);
}

GameLoop::~GameLoop() {
    delete shown;
    delete game;
}

bool GameLoop::frame(double dt) {
    if (!shown)
        return false;
    // A still screen that nobody touches would only draw what it drew: it
    // is neither played nor drawn until the player does something.
    const bool touched = engine.drawEveryFrame || engine.inputArrived();
    resting = drawn && shown->still() && !touched;
    waitingForPlayer = resting;
    standSoundBy(resting, dt);
    // A calm screen saves its frames' time up and plays it in one.
    if (!resting && drawn && shown->calm() && !touched && calmTime + dt < kCalmStep) {
        calmTime += dt;
        resting = true;
    }
    if (!resting) {
        const double played = dt + calmTime;
        calmTime = 0.0;
        shown->update(played, engine.platform->keyDown(KEY_TAB));
        shown->draw();
        engine.canvas->stretchToScreen(engine.drawEveryFrame);
        drawn = true;
    }
    // The close button ends the program after the frame in progress, as
    // "Yes" would, whatever the screen was showing.
    if (engine.closeRequested) {
        endGame();
        show(nullptr);
        return false;
    }

    switch (shown->next) {
    case Screen::Next::Stay:
        return true;
    case Screen::Next::Title:
        show(new TitleScreen(engine, quit == Quit::Ends));
        return true;
    case Screen::Next::HowToPlay:
        show(new HowToPlayScreen(engine));
        return true;
    case Screen::Next::Options:
        // A page's size is the browser's business, not the game's, and a
        // scale given on the command line holds for the run.
        show(new OptionsScreen(engine, quit == Quit::Ends && !engine.scaleGiven));
        return true;
    case Screen::Next::Play:
        if (playfield)
            return leaveGame(true);
        startGame(static_cast<TitleScreen*>(shown)->difficulty());
        return true;
    case Screen::Next::Quit:
        if (playfield)
            return leaveGame(false);
        show(nullptr);
        return false;
    }
    return true;
}

void GameLoop::standSoundBy(bool still, double dt) {
    stillTime = still ? stillTime + dt : 0.0;
    if (engine.sound)
        engine.sound->standBy(stillTime >= kSoundStandsByAfter);
}

void GameLoop::show(Screen* screen) {
    if (shown != playfield)
        delete shown;
    shown = screen;
    drawn = false;
    calmTime = 0.0;
}

void GameLoop::startGame(Difficulty level) {
    if (level != engine.difficulty)
        for (const std::string& problem : engine.useDifficulty(level))
            std::fprintf(stderr, "groundline: %s\n", problem.c_str());
    // Each game is a session of its own, so that a new one starts as empty
    // as the first; only the loaded data carries over.
    game = new GameSession;
    game->start();
    playfield = new PlayfieldScreen(*game);
    show(playfield);
}

void GameLoop::endGame() {
    if (!game)
        return;
    // Quitting keeps what the game reached, as losing it does.
    engine.records->keep(game->wavesDefeated());
    if (shown == playfield) {
        shown = nullptr;
        drawn = false;
    }
    delete playfield;
    delete game;
    playfield = nullptr;
    game = nullptr;
}

bool GameLoop::leaveGame(bool playAgain) {
    endGame();
    if (playAgain || (opening == Opening::Game && quit == Quit::StartsANewGame)) {
        startGame(engine.difficulty);
        return true;
    }
    if (opening == Opening::Title) {
        show(new TitleScreen(engine, quit == Quit::Ends));
        return true;
    }
    return false;
}
