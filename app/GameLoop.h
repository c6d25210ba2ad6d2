#pragma once

#include "app/Difficulty.h"

#include <string>

class Engine;
class GameSession;
class PlayfieldScreen;
class Screen;

// The program's screens, one at a time, a frame at a time: the title, How
// to Play, Options and the game, one game after another. What every front
// end does with a frame, whoever paces it: the native game waits for each
// frame itself; the browser's page calls once per animation frame.
class GameLoop {
  public:
    // What ends the program: a front end that can close (the desktop's) ends
    // on the title's Quit, or, without a title, on "Yes" to "Quit Game?";
    // one that cannot (a page cannot close its tab) starts a new game
    // instead where it would end.
    enum class Quit { Ends, StartsANewGame };
    // What the program opens on: the title screen, a game at once, or the
    // saved game at once (a new one when there is none).
    enum class Opening { Title, Game, SavedGame };

    // Opens on the title, or starts the first game at the given difficulty.
    // A game is saved (see SavedGame) as each countdown begins and when the
    // player leaves it; one left in the middle of a wave is saved as it stood
    // when that wave began. A lost game's save is dropped.
    GameLoop(Engine& engine, Quit quit, Opening opening = Opening::Game,
             Difficulty level = Difficulty::Normal);
    // Deletes the screen and the game still open, if any.
    ~GameLoop();
    GameLoop(const GameLoop&) = delete;
    GameLoop& operator=(const GameLoop&) = delete;

    // Plays a frame begun dt seconds after the last, eight times as fast
    // while Tab is held, and draws it; then goes where the player asked.
    // After the frame that ends a game, the game's record is kept. Returns
    // false once the player has quit or closed the window.
    bool frame(double dt);
    // Whether the last frame neither played nor drew anything, its screen
    // standing still and untouched; the next may wait at leisure.
    bool resting = false;
    // Whether, more than resting, the screen will draw nothing new until the
    // player does something.
    bool waitingForPlayer = false;
    // Plays and draws the next frame, still or not: for a change made to
    // the screen from outside its frames.
    void wake() { drawn = false; }

    // Saves the game in progress as leaving it would, and plays on: the page
    // calls it when the browser hides or closes the tab.
    void keepGame();

    // The screen shown now; null once the program is over.
    Screen* current() const { return shown; }
    // The game being played and its screen; null while none is.
    GameSession* session() const { return game; }
    PlayfieldScreen* screen() const { return playfield; }

  private:
    void show(Screen* screen);
    // Lets the sound device go once the screen has stood still a while,
    // and takes it back as soon as it moves.
    void standSoundBy(bool still, double dt);
    // A new game, or the saved one of that difficulty when asked and there is one.
    void startGame(Difficulty level, bool continuing = false);
    // After each frame: saves at a new countdown, drops the save of a lost game.
    void followGame();
    // Keeps the game's record and deletes it and its screen.
    void endGame();
    // Where a game's end leads: the title, a new game, or the end.
    bool leaveGame(bool playAgain);

    Engine& engine;
    const Quit quit;
    const Opening opening;
    Screen* shown = nullptr;
    // Whether the screen shown has been drawn once since it was shown.
    bool drawn = false;
    // The seconds a calm screen has rested since it was last played.
    double calmTime = 0.0;
    // The seconds the screen has stood still.
    double stillTime = 0.0;
    GameSession* game = nullptr;
    PlayfieldScreen* playfield = nullptr;

    // The game's countdowns already saved, and the game as it stood at the
    // last frame before the wave now on, which is what leaving it keeps.
    int countdownsSaved = 0;
    std::string waveStart;
    bool lossSeen = false;
};
