#pragma once

#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"
#include "preview/ScriptedPlatform.h"

#include <map>
#include <string>
#include <vector>

class Building;
class Engine;
class Strategy;

// What one wave came to, taken in the frame the game noticed it was over, or
// in the frame the game was lost during it.
struct WaveRecord {
    int wave = 0;
    bool boss = false; // the boss's wave
    int kills = 0;
    int escapes = 0;
    std::vector<int> killsByKind; // of each invader kind
    std::vector<int> escapesByKind;
    int health = 0;
    int money = 0;
    std::vector<int> towers; // standing at that moment, by type
    bool groundFull = false; // no tower of any type found room at the last look
    int purchases = 0;       // towers and levels bought since the start
    double time = 0.0;       // game seconds since the start
    long frame = 0;          // frames played since the start
};

// A purchase or sale, as the bot made it before a frame: what a game
// continued from a save plays again to follow the same game.
struct BotMove {
    enum Kind { Buy, Upgrade, Sell };
    long frame = 0; // made before this frame, counting from 0
    Kind kind = Buy;
    int type = 0; // Buy: the tower's type and its centre on the ground
    int x = 0;
    int index = 0; // Upgrade, Sell: the building's place in the session's list
};

// The game saved as a countdown began, and the frames played by then.
struct BotSave {
    int wave = 0;
    long frame = 0;
    std::string bytes;
    // The bot's clock, which the continued game's frames go on from: the
    // lengths of its frames, differences of one sum, round as they did.
    double clock = 0.0;
    double lastFrameTime = 0.0;
};

// One game played headless on the engine's data by a bot instead of a mouse:
// the game's own session on its own screen, stepped frame by frame as its loop
// steps it. The bot buys and sells through the operations that the screen's
// buttons call, so it can do nothing a player could not.
class BotGame {
  public:
    // A new game with the game's random sequence seeded, so that the same seed
    // and the same purchases give the same game. fast runs every step eight
    // times as long, as holding Tab does. Play stops once wave maxWaves is
    // cleared; 0 plays on until the game is lost.
    BotGame(unsigned seed, bool fast, int maxWaves);
    // The game continued from a save taken by another BotGame, as the title's
    // Continue does, at the frame it was taken.
    BotGame(const BotSave& save, bool fast, int maxWaves);
    ~BotGame();
    BotGame(const BotGame&) = delete;
    BotGame& operator=(const BotGame&) = delete;

    // One frame at 60 frames a second.
    void frame();
    // Frames for the given game seconds or until play stops; the kills on
    // the way, and the health that escapes cost beyond a point each.
    struct Outcome {
        int kills = 0;
        int extraHealth = 0;
    };
    Outcome playFor(double seconds);
    // Frames until play stops, the strategy taking its turn before each.
    void playThrough(Strategy& strategy);
    // Frames until play stops, making the moves at the frames they were made.
    void replay(const std::vector<BotMove>& moves);
    // Lost, stalled, or as many waves cleared as asked for.
    bool over() const;
    // Whether no wave has come or gone for stallLimit seconds: a game whose
    // settings never let it move on, which would otherwise be played for ever.
    bool stalled() const;

    // Whether a tower of the type is for sale and the money is there.
    bool canAfford(int type) const;
    // Where on the ground a tower of the type leaves the widest gaps to the
    // others and the ends of the march, or -1 when it fits nowhere.
    int spreadSpot(int type);
    // Whether a search has found no place for the type since the last sale.
    bool knownFull(int type) const { return groundFull[type]; }
    // Buys a tower of the type at its spread spot; false when it cannot.
    bool buy(int type);
    // Demolishes the building, as the demolish button does.
    void sell(Building* building);
    // Raises the building a level, as the upgrade button does; false when it
    // has no level left or the money is not there.
    bool upgrade(Building* building);
    // The standing tower with the fewest levels that can still rise one and
    // that the money pays for, the oldest first; null when there is none.
    Building* cheapestUpgrade();
    // Whether any standing tower has a level left to rise by.
    bool levelLeft() const;

    // Towers of the type standing now.
    int towersOf(int type) const;
    // Game seconds since the bot bought the building.
    double ageOf(const Building* building) const;

    Engine& engine;
    GameSession session;
    PlayfieldScreen screen{session};

    // Totals since the start.
    double time = 0.0;          // game seconds
    double countdownTime = 0.0; // of it, seconds with no wave on the playfield
    // Far longer than any wave or pause of a playable game lasts.
    static constexpr double kDefaultStallLimit = 600.0;
    double stallLimit = kDefaultStallLimit;
    int kills = 0;
    int escapes = 0;
    std::vector<int> bought; // by type
    std::vector<int> sold;
    int upgrades = 0;          // levels bought
    long long spent = 0;       // on towers and levels
    long long refunded = 0;    // by sales
    double lastPurchase = 0.0; // game seconds at the last tower or level bought

    std::vector<WaveRecord> waves;

    // Frames played; every purchase and sale; and, when asked for by
    // keepingSaves, the game as each countdown began.
    long frames = 0;
    std::vector<BotMove> moves;
    bool keepingSaves = false;
    std::vector<BotSave> saves;

  private:
    void recordWave(int wave);
    int indexOf(const Building* building) const;
    int countdownsSaved = 0;

    ScriptedPlatform platform;
    Platform* previousPlatform;
    const bool fast;
    const int maxWaves;

    // Since the last record.
    double lastWaveChange = 0.0; // game seconds when a wave last came or went
    // The session's counts by kind at the last record.
    std::vector<int> killsBefore;
    std::vector<int> escapesBefore;

    // Types found to fit nowhere; a sale frees the ground again.
    std::vector<bool> groundFull; // by type

    std::map<const Building*, double> boughtAt;
};
