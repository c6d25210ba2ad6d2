#include "app/Random.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

// glibc's additive feedback generator, TYPE_3: each word is the sum of the
// words 3 and 31 places back, kept in a ring of 31.
constexpr int kWords = 31;
constexpr int kSeparation = 3;

// glibc throws away the first ten rounds of the ring, so that the first
// outputs no longer show the seed.
constexpr int kDiscarded = 10 * kWords;

struct Ring {
    uint32_t words[kWords];
    int front;
    int rear;
};

uint32_t step(Ring& ring) {
    const uint32_t sum = ring.words[ring.front] += ring.words[ring.rear];
    ring.front = (ring.front + 1) % kWords;
    ring.rear = (ring.rear + 1) % kWords;
    return sum;
}

Ring seeded(unsigned seed) {
    if (seed == 0)
        seed = 1;
    Ring ring{};
    ring.words[0] = seed;
    // glibc reads the seed as a signed 32-bit word, so a seed of 2^31 or more
    // starts the Lehmer sequence below from a negative number.
    int64_t word = seed > INT32_MAX ? static_cast<int64_t>(seed) - (int64_t{1} << 32) : seed;
    for (int i = 1; i < kWords; ++i) {
        // word * 16807 modulo 2^31 - 1 by Schrage's method, as glibc does it,
        // truncating division and all.
        const int64_t high = word / 127773;
        const int64_t low = word % 127773;
        word = 16807 * low - 2836 * high;
        if (word < 0)
            word += INT32_MAX;
        ring.words[i] = static_cast<uint32_t>(word);
    }
    ring.front = kSeparation;
    ring.rear = 0;
    for (int i = 0; i < kDiscarded; ++i)
        step(ring);
    return ring;
}

Ring& sequence() {
    static Ring ring = seeded(1);
    return ring;
}

} // namespace

void Random::seed(unsigned seed) {
    sequence() = seeded(seed);
}

int Random::next() {
    // The lowest bit of an additive generator is its weakest; glibc drops it.
    return static_cast<int>(step(sequence()) >> 1);
}

Random::State Random::state() {
    const Ring& ring = sequence();
    State state;
    std::copy(std::begin(ring.words), std::end(ring.words), state.words.begin());
    state.front = ring.front;
    return state;
}

void Random::restore(const State& state) {
    Ring& ring = sequence();
    std::copy(state.words.begin(), state.words.end(), std::begin(ring.words));
    ring.front = state.front;
    ring.rear = (state.front - kSeparation + kWords) % kWords;
}
