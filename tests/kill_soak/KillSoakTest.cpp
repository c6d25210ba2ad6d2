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
// until it is killed. A byte down the pipe tells of each save done.
[[noreturn]] void saveForEver(const std::string& folder, int saved) {
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
        if (write(saved, "s", 1) != 1)
            _exit(1);
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
    RecordFile reader(folder, kSettings);
    std::mt19937 random(std::random_device{}());

    // Each child is killed only once it has saved, at a random moment within
    // the next few saves: a synced write takes microseconds on one disk and,
    // behind a build's writes, a good part of a second on another, and the
    // kills have to land among the writes on both.
    int kills = 0;
    int lastWave = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(soakSeconds());
    while (std::chrono::steady_clock::now() < end || kills < 20) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const auto born = std::chrono::steady_clock::now();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeEnds[0]);
            saveForEver(folder, pipeEnds[1]);
        }
        close(pipeEnds[1]);
        char byte = 0;
        ASSERT_EQ(read(pipeEnds[0], &byte, 1), 1) << "the child died before its first save";
        const auto firstSave = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - born);
        std::uniform_int_distribution<long> wait(0, std::max<long>(2000, 3 * firstSave.count()));
        usleep(static_cast<useconds_t>(wait(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        ++kills;
        int savesDone = 1;
        while (read(pipeEnds[0], &byte, 1) == 1)
            ++savesDone;
        close(pipeEnds[0]);

        // The last save that told of itself, or the one it was writing.
        const std::optional<std::string> bytes = reader.readSave();
        ASSERT_TRUE(bytes) << "the save vanished after " << kills << " kills";
        const std::optional<SavedGame> saved = readSavedGame(*bytes);
        ASSERT_TRUE(saved) << "after " << kills << " kills, " << bytes->size()
                           << " bytes that are no save:\n"
                           << *bytes;
        EXPECT_GE(saved->wave, lastWave + savesDone) << "an older save came back";
        EXPECT_LE(saved->wave, lastWave + savesDone + 1);
        lastWave = saved->wave;
    }
    std::printf("%d kills over %d saves, every one whole\n", kills, lastWave);
}
