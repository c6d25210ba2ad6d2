#pragma once

#include <string>
#include <utility>
#include <vector>

// One thing wrong with a data file, as the game's own loader found it while
// reading the file.
struct Problem {
    std::string where; // "offset 1234", "offset 40: frame 3", "glyph 65 'A' at 1,1"; may be empty
    std::string what;  // what is wrong, in a few words
    bool refused;      // the loader gives nothing for this file
};

// Loaders take an optional list to add their problems to; without one they
// read exactly as they would and say nothing.
inline void reportProblem(std::vector<Problem>* problems, std::string where, std::string what,
                          bool refused) {
    if (problems)
        problems->push_back({std::move(where), std::move(what), refused});
}
