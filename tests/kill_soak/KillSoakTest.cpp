// A game that saves as fast as it can, killed (SIGKILL) at random moments,
// again and again: every time, the next start must find the last save or
// the one before it, whole, and never an empty or partial file.

#include "app/Engine.h"
#include "app/RecordFile.h"
#include "app/RecordFormat.h"
#include "defences/LaserProjectile.h"
#include "game/GameSession.h"
#include "game/SavedGame.h"
#include "game/TowerType.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* kSettings = "the settings' bytes";

// The child's life: goes on from the save it finds, then saves a game a wave
// further on each time, with a bolt more in flight so that the file grows,
// until it is killed.
[[noreturn]] void saveForEver(const std::string& folder) {
    RecordFile records(folder, kSettings);
    Engine& engine = Engine::instance();
    GameSession game;
    game.start();
    game.build(0, 100);
    game.build(1, 200);
    int wave = 1;
    if (const std::optional<std::string> bytes = records.readSave())
        if (const std::optional<SavedGame> saved = readSavedGame(*bytes))
            wave = saved->wave + 1;
    for (;; ++wave) {
        game.waveNumber = wave;
        game.projectiles.push_back(new LaserProjectile(wave % 300, 100, wave));
        records.writeSave(writeSavedGame(saveOf(game, records.settingsHash(), engine.difficulty)));
    }
}

int soakSeconds() {
    const char* asked = std::getenv("GROUNDLINE_KILL_SOAK_SECONDS");
    return asked ? std::max(1, std::atoi(asked)) : 3;
}

} // namespace

TEST(KillSoak, EveryKillLeavesTheOldSaveOrTheNewOneWhole) {
    loadShippedGame();
    const std::string folder = makeTempFolder() + "/groundline";
    const std::filesystem::path save = std::filesystem::path(folder) / saveName(kSettings);
    RecordFile reader(folder, kSettings);
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> lifetime(200, 20000); // microseconds

    int kills = 0;
    int lastWave = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(soakSeconds());
    while (std::chrono::steady_clock::now() < end) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveForEver(folder);
        usleep(static_cast<useconds_t>(lifetime(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        ++kills;

        const std::optional<std::string> bytes = reader.readSave();
        if (!bytes) {
            ASSERT_EQ(lastWave, 0) << "the save vanished after " << kills << " kills";
            continue;
        }
        const std::optional<SavedGame> saved = readSavedGame(*bytes);
        ASSERT_TRUE(saved) << "after " << kills << " kills, " << bytes->size()
                           << " bytes that are no save:\n"
                           << *bytes;
        ASSERT_GE(saved->wave, lastWave) << "an older save came back";
        lastWave = saved->wave;
    }
    std::printf("%d kills over %d saves, every one whole\n", kills, lastWave);
    EXPECT_GT(kills, 20);
    EXPECT_GT(lastWave, kills) << "too few saves between kills to say anything";
}
