#pragma once

class Engine;
class GameSession;
class PlayfieldScreen;

// One game after another, a frame at a time: what every front end does with
// a frame, whoever paces it. The native game waits for each frame itself;
// the browser's page calls once per animation frame.
class GameLoop {
  public:
    // What "Yes" to "Quit Game?" does: ends the loop, or, where there is
    // nothing to close (a page cannot close its tab), starts a new game.
    enum class Quit { Ends, StartsANewGame };

    // Starts the first game.
    GameLoop(Engine& engine, Quit quit);
    // Deletes the game still being played, if any.
    ~GameLoop();
    GameLoop(const GameLoop&) = delete;
    GameLoop& operator=(const GameLoop&) = delete;

    // Plays a frame begun dt seconds after the last, eight times as fast
    // while Tab is held, and draws it. After the frame that ends a game, the
    // game's record is kept, and the next game starts if the player asked
    // for one. Returns false once the player has quit or closed the window.
    bool frame(double dt);

    // The game being played and its screen; null once the player has quit.
    GameSession* session() const { return current; }
    PlayfieldScreen* screen() const { return playfield; }

  private:
    void startGame();
    // Keeps the game's record and deletes it; whether another should follow.
    bool endGame();

    Engine& engine;
    const Quit quit;
    GameSession* current = nullptr;
    PlayfieldScreen* playfield = nullptr;
};
