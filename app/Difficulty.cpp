#include "app/Difficulty.h"

#include <algorithm>

const std::vector<DifficultyLevel>& difficultyLevels() {
    static const std::vector<DifficultyLevel> levels = {
        {Difficulty::Easy, "easy", "Easy", "easy.txt"},
        {Difficulty::Normal, "normal", "Normal", ""},
        {Difficulty::Hard, "hard", "Hard", "hard.txt"},
    };
    return levels;
}

const DifficultyLevel& levelOf(Difficulty difficulty) {
    return difficultyLevels()[static_cast<size_t>(difficulty)];
}

std::optional<Difficulty> difficultyNamed(const std::string& name) {
    for (const DifficultyLevel& level : difficultyLevels())
        if (name == level.name)
            return level.difficulty;
    return std::nullopt;
}

Difficulty easier(Difficulty difficulty) {
    return static_cast<Difficulty>(std::max(static_cast<int>(difficulty) - 1, 0));
}

Difficulty harder(Difficulty difficulty) {
    const int hardest = static_cast<int>(difficultyLevels().size()) - 1;
    return static_cast<Difficulty>(std::min(static_cast<int>(difficulty) + 1, hardest));
}
