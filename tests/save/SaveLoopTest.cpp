// The game saved by the loop as a player meets it: at each countdown, on
// leaving mid-wave as the wave began, dropped when lost, and offered by the
// title for the difficulty chosen.

#include "app/Engine.h"
#include "app/GameLoop.h"
#include "app/RecordFormat.h"
#include "defences/Building.h"
#include "game/GameSession.h"
#include "game/SavedGame.h"
#include "game/TitleScreen.h"

#include "support/EngineScope.h"
#include "support/Headless.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A record and a save kept in memory, counting what is kept.
class MemoryRecords : public Records {
  public:
    explicit MemoryRecords(std::string hash) : hash(std::move(hash)) {}
    void keep(int) override { ++keeps; }
    std::optional<std::string> readSave() override { return save; }
    void writeSave(const std::string& bytes) override { save = bytes; }
    void dropSave() override { save.reset(); }
    std::string setSaveAside() override {
        save.reset();
        return "";
    }
    std::string settingsHash() const override { return hash; }

    std::string hash;
    std::optional<std::string> save;
    int keeps = 0;
};

class MemoryStorage : public Storage {
  public:
    Records* records(const std::string& settingsBytes) override {
        std::unique_ptr<MemoryRecords>& kept = byBytes[settingsBytes];
        if (!kept)
            kept = std::make_unique<MemoryRecords>(settingsHash(settingsBytes));
        return kept.get();
    }
    std::map<std::string, std::unique_ptr<MemoryRecords>> byBytes;
};

class SaveLoopTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { loadShippedGame(); }

    void SetUp() override {
        engine.timestepThreshold = 0.0;
        engine.storage = &storage;
        engine.useDifficulty(Difficulty::Normal);
        engine.options.difficulty = Difficulty::Normal;
    }

    MemoryRecords& kept() { return *static_cast<MemoryRecords*>(engine.records); }

    bool step(GameLoop& loop, double dt = 0.05) {
        platform.time += dt;
        return loop.frame(engine.waitForFrame());
    }
    bool key(GameLoop& loop, int scanCode) {
        platform.press(scanCode);
        return step(loop, 0.0);
    }

    EngineScope scope;
    Engine& engine = scope.engine;
    FakePlatform& platform = scope.platform;
    MemoryStorage storage;
};

} // namespace

// A game left in the middle of a wave goes on from the start of that wave,
// towers bought in its countdown and all; once lost, its save is gone, its
// record was kept once, and the next game starts with nothing of it.
TEST_F(SaveLoopTest, LeftMidWaveItGoesOnFromTheWavesStartAndALostOneLeavesNothing) {
    int money = 0;
    {
        GameLoop loop(engine, GameLoop::Quit::Ends, GameLoop::Opening::Game);
        step(loop);
        ASSERT_TRUE(kept().save) << "saved as the first countdown began";
        GameSession& game = *loop.session();
        game.build(0, 160);
        money = game.money;
        while (!game.wave)
            step(loop);
        for (int i = 0; i < 40; ++i)
            step(loop);
        ASSERT_NE(game.money, money) << "the wave has paid for kills by now";
        key(loop, KEY_ESC);
        EXPECT_FALSE(key(loop, KEY_Y));
    }
    const std::optional<SavedGame> saved = readSavedGame(kept().save.value_or(""));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->wave, 1);
    EXPECT_EQ(saved->money, money);
    ASSERT_EQ(saved->towers.size(), 1u);
    EXPECT_GT(saved->countdown, 0.0);
    EXPECT_LT(saved->countdown, 0.1);

    GameLoop loop(engine, GameLoop::Quit::Ends, GameLoop::Opening::SavedGame);
    GameSession* game = loop.session();
    EXPECT_EQ(game->money, money);
    ASSERT_EQ(game->buildings.size(), 1u);
    step(loop);
    EXPECT_NE(game->wave, nullptr) << "the wave begins at once, as it did";
    for (int i = 0; i < 40; ++i)
        step(loop);
    ASSERT_FALSE(game->projectiles.empty());
    ASSERT_FALSE(game->effects.empty());
    const int keepsBefore = kept().keeps;
    game->health = 0;
    step(loop);
    EXPECT_TRUE(game->gameOver);
    EXPECT_FALSE(kept().save) << "a lost game's save is dropped";
    key(loop, KEY_Y); // Play Again
    EXPECT_EQ(kept().keeps, keepsBefore + 1) << "the record is kept once";
    ASSERT_NE(loop.session(), nullptr);
    EXPECT_FALSE(loop.session()->gameOver);
    EXPECT_TRUE(loop.session()->buildings.empty());
    EXPECT_TRUE(loop.session()->projectiles.empty());
    EXPECT_TRUE(loop.session()->effects.empty());
    EXPECT_EQ(loop.session()->wave, nullptr);
}

// The title offers Continue, chosen, when the difficulty chosen has a save,
// and not for one without; Enter goes on with it.
TEST_F(SaveLoopTest, TheTitleOffersContinueForTheDifficultyThatHasASave) {
    {
        GameSession game;
        game.start();
        game.waveNumber = 4;
        kept().save = writeSavedGame(saveOf(game, kept().hash, Difficulty::Normal));
    }
    GameLoop loop(engine, GameLoop::Quit::Ends, GameLoop::Opening::Title);
    auto* title = static_cast<TitleScreen*>(loop.current());
    ASSERT_EQ(title->menu.lines.size(), 5u);
    EXPECT_EQ(title->menu.lines[0].label, "Continue: Wave 4");
    EXPECT_EQ(title->menu.chosen, 0);

    key(loop, KEY_DOWN);
    key(loop, KEY_RIGHT); // Hard has no save
    EXPECT_EQ(title->menu.lines.size(), 4u);
    EXPECT_EQ(title->menu.lines[0].label, "Play");
    EXPECT_EQ(title->menu.chosen, 0);
    key(loop, KEY_LEFT);
    EXPECT_EQ(title->menu.lines[0].label, "Continue: Wave 4");
    EXPECT_EQ(title->menu.chosen, 1) << "still on Play";

    key(loop, KEY_UP);
    key(loop, KEY_ENTER);
    ASSERT_NE(loop.session(), nullptr);
    EXPECT_EQ(loop.session()->waveNumber, 4);
}
