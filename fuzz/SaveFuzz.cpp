// A saved game as the disk may hand it back: cut short, damaged, edited, from
// another version or a mod. What reads must be what writing it back gives;
// restoring it into a game on the shipped data must either refuse it or give
// a game that plays on.

#include "FuzzHarness.h"

#include "app/Random.h"
#include "game/GameSession.h"
#include "game/SavedGame.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!loadShippedGame())
        std::abort();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<SavedGame> saved = readSavedGame(bytes);
    if (!saved)
        return 0;
    // One file, one spelling: anything else that read would be a second
    // format nobody wrote.
    if (writeSavedGame(*saved) != bytes)
        std::abort();
    Random::seed(1);
    GameSession game;
    game.start();
    if (!restoreSavedGame(game, *saved).empty())
        return 0;
    for (int frame = 0; frame < 30; ++frame)
        game.update(1.0 / 6.0);
    return 0;
}
