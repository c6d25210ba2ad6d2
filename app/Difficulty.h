#pragma once

#include <optional>
#include <string>
#include <vector>

// How hard a game is. Normal is strings.txt as it stands; the others lay a
// small file of keys from the same folder over it, so that a mod carries its
// own, and each keeps its own best wave.
enum class Difficulty { Easy, Normal, Hard };

struct DifficultyLevel {
    Difficulty difficulty;
    // What the command line and the options file call it ("easy").
    const char* name;
    // What the title screen shows ("Easy").
    const char* caption;
    // The file laid over strings.txt ("easy.txt"), or empty for none.
    const char* overlay;
};

// Every difficulty, from the easiest, as the title screen steps through them.
const std::vector<DifficultyLevel>& difficultyLevels();
const DifficultyLevel& levelOf(Difficulty difficulty);
// The difficulty of that name, or none.
std::optional<Difficulty> difficultyNamed(const std::string& name);
// The next easier or harder one, staying at the ends.
Difficulty easier(Difficulty difficulty);
Difficulty harder(Difficulty difficulty);
