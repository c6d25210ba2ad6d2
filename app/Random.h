#pragma once

#include <array>
#include <cstdint>

// The game's one sequence of random numbers, the same on every platform. The
// C libraries each have a rand() of their own, so one seed would play another
// game on Linux, Windows and the web; this is glibc's rand() sequence, made
// here, so a seed plays the same game everywhere and the numbers the game has
// always shown on Linux stay what they were. One sequence for the whole
// process, as rand()'s is: play runs on one thread.
class Random {
  public:
    // Start the sequence anew from seed, as glibc's srand(seed) does (0 acts
    // as 1). Until the first call the sequence is that of seed 1.
    static void seed(unsigned seed);

    // The next number of the sequence, from 0 to 2^31 - 1, as glibc's rand()
    // gives it.
    static int next();

    // Where the sequence stands: glibc's ring of 31 words and the place its
    // next sum is taken from, the other place being 3 behind it. A saved game
    // carries it, so that the game goes on with the numbers it would have had.
    struct State {
        std::array<uint32_t, 31> words;
        int front;
        bool operator==(const State& other) const {
            return words == other.words && front == other.front;
        }
    };
    static State state();
    // front must lie within 0 to 30.
    static void restore(const State& state);
};
