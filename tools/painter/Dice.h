#pragma once

#include <cstdint>

// The painter's own random numbers: a fixed seed and a fixed generator, so
// that the art comes out the same on every machine and every run.
class Dice {
  public:
    explicit Dice(uint32_t seed) : state(seed ? seed : 1) {}

    // A number from 0 to n - 1.
    int roll(int n) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<int>(state % static_cast<uint32_t>(n));
    }

  private:
    uint32_t state;
};
