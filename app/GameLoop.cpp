#include "app/GameLoop.h"

#include "app/Engine.h"
#include "game/GameSession.h"
#include "game/HowToPlayScreen.h"
#include "game/OptionsScreen.h"
#include "game/PlayfieldScreen.h"
#include "game/SavedGame.h"
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
        startGame(level, opening == Opening::SavedGame);
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
        followGame();
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
        startGame(static_cast<TitleScreen*>(shown)->difficulty(),
                  static_cast<TitleScreen*>(shown)->continuing());
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

void GameLoop::startGame(Difficulty level, bool continuing) {
    if (level != engine.difficulty)
        for (const std::string& problem : engine.useDifficulty(level))
            std::fprintf(stderr, "groundline: %s\n", problem.c_str());
    // Each game is a session of its own, so that a new one starts as empty
    // as the first; only the loaded data carries over.
    const std::optional<SavedGame> saved =
        continuing ? keptSave(engine) : std::optional<SavedGame>();
    game = new GameSession;
    game->start();
    if (saved && !restoreSavedGame(*game, *saved).empty()) {
        // keptSave tried it on the same data, so this cannot happen; a new
        // game is still better than half of one.
        delete game;
        game = new GameSession;
        game->start();
    }
    countdownsSaved = 0;
    waveStart.clear();
    lossSeen = false;
    // A player who came through the title meets each kind on its card; a
    // game started from the command line plays as it always has.
    playfield = new PlayfieldScreen(*game, opening == Opening::Title);
    show(playfield);
}

void GameLoop::followGame() {
    if (!game)
        return;
    if (game->gameOver) {
        if (!lossSeen)
            engine.records->dropSave();
        lossSeen = true;
        return;
    }
    if (game->wave)
        return;
    // Between waves every frame is where a wave may begin, so the latest is
    // kept in memory; the disk is written once per countdown.
    waveStart = writeSavedGame(saveOf(*game, engine.records->settingsHash(), engine.difficulty));
    if (countdownsSaved == game->countdownsBegun)
        return;
    countdownsSaved = game->countdownsBegun;
    engine.records->writeSave(waveStart);
}

void GameLoop::keepGame() {
    if (!game || game->gameOver)
        return;
    if (!game->wave)
        waveStart =
            writeSavedGame(saveOf(*game, engine.records->settingsHash(), engine.difficulty));
    if (!waveStart.empty())
        engine.records->writeSave(waveStart);
}

void GameLoop::endGame() {
    if (!game)
        return;
    // Quitting keeps what the game reached, as losing it does; a lost game
    // kept its record as it ended.
    if (!game->gameOver)
        engine.records->keep(game->wavesDefeated());
    keepGame();
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
