#pragma once

#include <string>
#include <vector>

// Whether a game continued from a save plays on as the unbroken one does:
// the bot plays a game through, saving as each countdown begins; then, from
// each of several of those saves, the saved game is read back into a game of
// its own and the bot's moves from that frame on are made again. Every wave
// after the save must end in the same frame with the same kills and escapes
// of each kind, health, money and towers.
struct SaveCheck {
    std::vector<int> wavesSaved; // the waves continued from
    int wavesCompared = 0;       // over all of them
    // The first wave that went otherwise, and how; 0 and empty when none did.
    int differingWave = 0;
    std::string difference;
    // Invaders of each kind killed or got through after the first save, in
    // the games compared.
    std::vector<int> metByKind;
};

// strategy: a name strategyNames() gives. Continues from the save of every
// `every`th wave's countdown, wave 1's included.
SaveCheck checkSaves(const std::string& strategy, unsigned seed, bool fast, int maxWaves,
                     int every);
