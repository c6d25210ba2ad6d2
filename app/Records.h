#pragma once

// Where the best number of waves defeated is kept between games. The game
// asks for it at game over and hands it each result; this one keeps nothing,
// as the sim, the tests, the fuzzers and the tools want: they never write
// into a player's folders.
class Records {
  public:
    virtual ~Records() = default;

    // The most waves defeated in a game played with these settings; 0 when none is kept.
    virtual int bestWaves() const;
    // Keeps max(wavesDefeated, the best so far) for these settings.
    virtual void keep(int wavesDefeated);
};
