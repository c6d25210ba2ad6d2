#pragma once

#include "synth/Tone.h"

#include <string>
#include <vector>

// One of the game's sound effects: the file it is written to in data/ and
// the tones it is made of.
struct SoundRecipe {
    std::string file;
    std::vector<Tone> tones;
};

// Every sound the game plays, one family: square waves and noise, short
// slides, nothing that rings on. Shots are quiet and short, as many of them
// sound at once; what the player must not miss is louder and longer.
const std::vector<SoundRecipe>& soundBook();
