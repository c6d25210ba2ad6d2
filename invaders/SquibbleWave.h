#pragma once

#include "invaders/Wave.h"

#include <vector>

// A block of squibbles that forms above the playfield and marches right, down,
// left, down across it.
class SquibbleWave : public Wave {
  public:
    // count invaders, of the kinds whose keys ask for a place in the game's
    // present wave and squibbles in the rest; as in the first wave when the
    // wave is played in no game.
    explicit SquibbleWave(int count, GameSession* game = nullptr);

    void update(double dt) override;

    // The kind of each place in a block of count invaders in wave
    // waveNumber, front row last: every kind whose first wave has come takes
    // its share of the places, spread evenly through the block.
    static std::vector<int> kindsOfPlaces(int count, int waveNumber);

    double speed;     // pixels per second, across and down
    int march;        // 0 right, 1 down at the right, 2 left, 3 down at the left
    double descended; // pixels moved down in the current step down

  protected:
    // A block that starts empty and marches at speed (pixels per second);
    // whoever makes it fills it.
    explicit SquibbleWave(double speed);

    // Where the block turns and where an invader gets through, as the left
    // and top edges of its invaders' sprites: a block of larger invaders
    // turns and gets through sooner.
    double rightTurn;
    double leftTurn;
    double bottomLine;

  private:
    // The invader got through at the bottom: it costs health.
    void escape(Invader* invader);
};
