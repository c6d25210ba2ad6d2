// The saved game's file: what it holds comes back whole through the game
// itself, and anything the writer would not have written is refused and
// set aside, leaving the player a new game.

#include "game/SavedGame.h"
#include "app/Engine.h"
#include "app/GameLoop.h"
#include "app/Random.h"
#include "app/RecordFile.h"
#include "app/RecordFormat.h"
#include "defences/Building.h"
#include "defences/LaserProjectile.h"
#include "game/GameSession.h"
#include "game/TowerType.h"
#include "gfx/SpritePlayer.h"

#include "support/EngineScope.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class SavedGameTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { loadShippedGame(); }

    // A game between waves with something in every field the save holds:
    // towers of each type at several levels, mid-animation, with firing
    // clocks part run; a bolt in flight; kills and escapes; the sequence and
    // the clouds moved on.
    static void play(GameSession& game) {
        game.start();
        game.money = 5000;
        for (int type = 0; type < towerTypeCount(); ++type)
            game.build(type, 60 + 80 * type);
        game.upgrade(game.buildings.front());
        game.upgrade(game.buildings.back());
        game.projectiles.push_back(new LaserProjectile(61, 150, 3));
        game.advance(1.2345);
        game.buildings.back()->player->playThen(1, 0);
        game.buildings.back()->player->time = 0.0625f;
        for (size_t kind = 0; kind < game.kills.size(); ++kind)
            game.kills[kind] = 7 + static_cast<int>(kind);
        game.escapes[0] = 3;
        game.waveNumber = 9;
        game.health -= 2;
    }

    SavedGame saveOfPlayed() {
        GameSession game;
        play(game);
        return saveOf(game, "0123456789abcdef", Difficulty::Hard);
    }

    EngineScope scope;
    Engine& engine = scope.engine;
};

} // namespace

// Written, read and restored into a new game, which is saved again: every
// field comes back as it was, so a field the writer, the reader or the
// restoring forgets shows here; and what the save leaves to the data, each
// tower's period and damage, follows its level as it did.
TEST_F(SavedGameTest, EveryFieldComesBackThroughTheFileAndTheGame) {
    GameSession played;
    play(played);
    const SavedGame saved = saveOf(played, "0123456789abcdef", Difficulty::Hard);
    ASSERT_EQ(saved.towers.size(), static_cast<size_t>(towerTypeCount()));
    ASSERT_FALSE(saved.bolts.empty());
    ASSERT_FALSE(saved.towers.back().queued.empty());
    const std::string bytes = writeSavedGame(saved);

    const std::optional<SavedGame> read = readSavedGame(bytes);
    ASSERT_TRUE(read) << bytes;
    EXPECT_TRUE(*read == saved);

    Random::seed(99);
    GameSession restored;
    restored.start();
    ASSERT_EQ(restoreSavedGame(restored, *read), "");
    EXPECT_EQ(writeSavedGame(saveOf(restored, saved.settings, saved.difficulty)), bytes);
    auto before = played.buildings.begin();
    for (const Building* after : restored.buildings) {
        EXPECT_EQ(after->period, (*before)->period);
        EXPECT_EQ(after->damage, (*before)->damage);
        ++before;
    }
}

// Only what the writer writes reads: a file cut short anywhere, or changed
// in any of these ways, is no save at all.
TEST_F(SavedGameTest, AnythingButWhatTheWriterWritesIsRefused) {
    const std::string bytes = writeSavedGame(saveOfPlayed());
    for (size_t length = 0; length < bytes.size(); ++length)
        ASSERT_FALSE(readSavedGame(bytes.substr(0, length))) << "cut at " << length;

    const auto replaced = [&bytes](const std::string& from, const std::string& to) {
        std::string changed = bytes;
        const size_t at = changed.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? bytes : changed.replace(at, from.size(), to);
    };
    const std::string firstTower = bytes.substr(bytes.find("tower="));
    const std::string changes[] = {
        replaced("groundline save 1", "groundline save 2"),
        replaced("wave=9", "wave=09"),
        replaced("wave=9", "wave=+9"),
        replaced("wave=9", "wave=0"),
        replaced("wave=9\n", "wave=9 \n"),
        replaced("\nmoney=", "\nmoney= "),
        replaced("difficulty=hard", "difficulty=nightmare"),
        replaced("countdown=", "countdown=nan"),
        replaced("countdown=", "countdown=-"),
        replaced("tower=0 ", "tower=0  "),
        replaced("\nend\n", "\nend\nend\n"),
        replaced("\nend\n", "\nbolt=1 2\nend\n"),
        replaced("\nend\n", "\nspeed=2\nend\n"),
        replaced("\ncloud=", "\n" + firstTower.substr(0, firstTower.find('\n') + 1) + "cloud="),
        replaced("\nrandom=", "\nrandom=0 "),
        bytes + "\n",
        std::string(bytes).replace(bytes.find("\n"), 1, "\r\n"),
    };
    for (const std::string& changed : changes)
        EXPECT_FALSE(readSavedGame(changed)) << changed;
}

namespace {

// The engine keeping its record and save in a folder of the test's own.
class KeptSaveTest : public SavedGameTest {
  protected:
    void SetUp() override {
        previous = engine.records;
        engine.records = &file;
    }
    void TearDown() override { engine.records = previous; }

    const std::string folder = makeTempFolder();
    RecordFile file{folder, "the settings' bytes"};
    Records* previous = nullptr;
    const fs::path saveFile = fs::u8path(folder) / saveName("the settings' bytes");
    const fs::path badFile = fs::u8path(folder) / badSaveName("the settings' bytes");
};

} // namespace

// A save that reads but does not fit the data loaded now, or that does not
// read at all, is kept aside as save-HASH.bad with one line on standard
// error, and the player gets a new game: a mod's fourth tower type among them.
TEST_F(KeptSaveTest, ASaveThatDoesNotFitIsSetAsideAndANewGameBegins) {
    const SavedGame fits = [this] {
        GameSession game;
        play(game);
        return saveOf(game, file.settingsHash(), engine.difficulty);
    }();
    const auto changed = [&fits](auto change) {
        SavedGame saved = fits;
        change(saved);
        return writeSavedGame(saved);
    };
    const struct {
        const char* what;
        std::string bytes;
    } unfit[] = {
        {"a fourth tower type", changed([](SavedGame& s) {
             s.towers.push_back(s.towers.front());
             s.towers.back().type = towerTypeCount();
             s.towers.back().x = 290;
         })},
        {"a level past the last", changed([this](SavedGame& s) {
             s.towers.front().level = engine.towerDefs[0].upgrades + 1;
             s.towers.front().paid = engine.towerDefs[0].paidFor(s.towers.front().level);
         })},
        {"another price paid", changed([](SavedGame& s) { s.towers.front().paid += 1; })},
        {"a tower on another", changed([](SavedGame& s) { s.towers.push_back(s.towers[0]); })},
        {"a tower off the ground", changed([](SavedGame& s) { s.towers[0].x = 400; })},
        {"an animation its sheet lacks", changed([](SavedGame& s) { s.towers[0].animation = 99; })},
        {"another count of kinds", changed([](SavedGame& s) { s.kills.push_back(0); })},
        {"more health than a game has", changed([](SavedGame& s) { s.health = 1 << 20; })},
        {"other settings", changed([](SavedGame& s) { s.settings = "0000000000000000"; })},
        {"another difficulty", changed([](SavedGame& s) { s.difficulty = Difficulty::Easy; })},
        {"no save at all", "groundline record 1\nbestWaves=3\n"},
    };
    file.writeSave(writeSavedGame(fits));
    ASSERT_TRUE(keptSave(engine));
    for (const auto& sample : unfit) {
        SCOPED_TRACE(sample.what);
        file.writeSave(sample.bytes);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(keptSave(engine));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(badFile.filename().string()), std::string::npos) << said;
        EXPECT_FALSE(fs::exists(saveFile));
        EXPECT_EQ(readFile(badFile), sample.bytes);
    }

    // Asked for at start, it gives a new game, and the next start finds no save to offer.
    file.writeSave(unfit[0].bytes);
    testing::internal::CaptureStderr();
    GameLoop loop(engine, GameLoop::Quit::Ends, GameLoop::Opening::SavedGame, engine.difficulty);
    testing::internal::GetCapturedStderr();
    ASSERT_NE(loop.session(), nullptr);
    EXPECT_EQ(loop.session()->waveNumber, 1);
    EXPECT_TRUE(loop.session()->buildings.empty());
    EXPECT_FALSE(keptSave(engine));
}
