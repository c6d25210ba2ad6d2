#pragma once

#include "app/Difficulty.h"
#include "app/Random.h"
#include "game/Cloud.h"

#include <optional>
#include <string>
#include <vector>

class Engine;
class GameSession;

// A game between two waves, as a small text file that the next start goes
// on from:
//
//     groundline save 1
//     settings=3f1c0a9b7d2e4f60
//     difficulty=normal
//     wave=7
//     money=140
//     health=18
//     countdown=2.4833333333333334
//     random=1a2b3c4d ... 5
//     kills=96 0 3 0
//     escapes=2 0 0 0
//     cloud=12.5 30 4 2
//     tower=0 141 1 35 0.216666669 0 0.216666669
//     bolt=150 84.5 1
//     end
//
// Everything later play depends on is there: the numbers, each tower with
// its firing clock and the animation that sizes its frame, each laser bolt
// still rising, the random sequence, the clouds, and the countdown's time
// left. Only what a wave brings is not, so a save is made only between
// waves. Read as strictly as the record: the file must be exactly what the
// writer writes, numbers spelt as it spells them, so that a file cut short,
// edited or from another version is refused rather than half believed.
struct SavedGame {
    struct Tower {
        int type = 0;
        int x = 0; // left edge of its sprite, as Building::x
        int level = 0;
        int paid = 0; // its price and levels, as bought
        float timer = 0.0f;
        int animation = 0;
        float animationTime = 0.0f;
        std::vector<int> queued; // animations to follow
        bool operator==(const Tower& other) const;
    };
    struct Bolt {
        double x = 0.0;
        double y = 0.0;
        int damage = 0;
        bool operator==(const Bolt& other) const;
    };

    std::string settings; // the settings' hash, as Records::settingsHash gives it
    Difficulty difficulty = Difficulty::Normal;
    int wave = 1;
    int money = 0;
    int health = 0;
    double countdown = 0.0;
    Random::State random{};
    std::vector<int> kills; // by invader kind
    std::vector<int> escapes;
    std::vector<Cloud> clouds;
    std::vector<Tower> towers;
    std::vector<Bolt> bolts;

    bool operator==(const SavedGame& other) const;
};

// The game as it stands, which must be between waves, with the random
// sequence as it stands now.
SavedGame saveOf(const GameSession& game, const std::string& settings, Difficulty difficulty);

// The file's bytes; and the save in bytes that are exactly such a file, or none.
std::string writeSavedGame(const SavedGame& saved);
std::optional<SavedGame> readSavedGame(const std::string& bytes);

// Sets a started game (GameSession::start) to the saved one and the random
// sequence to the saved one's, when the save fits the data loaded now: every
// tower of a type there is, at a level it has, at a place on the ground
// where it fits, and counts for every kind of invader. Otherwise the game is
// left as it may then be, and why comes back in a few words; empty when the
// game was restored.
std::string restoreSavedGame(GameSession& game, const SavedGame& saved);

// The save kept for the settings and difficulty in use, when it reads and
// fits them. One that does not is set aside for a bug report, with one line
// on standard error, and none comes back: the player gets a new game.
std::optional<SavedGame> keptSave(Engine& engine);
