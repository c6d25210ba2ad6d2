#include "sim/BotGame.h"
#include "sim/Strategy.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "defences/Building.h"
#include "game/SavedGame.h"
#include "game/TowerType.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <numeric>

namespace {

constexpr double kFrameTime = 1.0 / 60.0;
// As the game's own loop does while Tab is held.

// The squibbles' centres sweep between these columns, so towers beyond them
// would only waste the ground.
constexpr int kGroundLeft = 12;
constexpr int kGroundRight = 308;

} // namespace

BotGame::BotGame(unsigned seed, bool fast, int maxWaves)
    : engine(Engine::instance()), bought(towerTypeCount()), sold(towerTypeCount()),
      previousPlatform(engine.platform), fast(fast), maxWaves(maxWaves),
      groundFull(towerTypeCount()) {
    engine.platform = &platform;
    // The frame clock starts afresh, as at start-up: a game before this one
    // left it at a later time than this game's clock shows.
    engine.lastFrameTime = engine.now();
    Random::seed(seed);
    session.start();
}

BotGame::BotGame(const BotSave& save, bool fast, int maxWaves) : BotGame(1, fast, maxWaves) {
    const std::optional<SavedGame> saved = readSavedGame(save.bytes);
    if (!saved || !restoreSavedGame(session, *saved).empty()) {
        std::fprintf(stderr, "groundline-sim: a save of wave %d does not read back\n", save.wave);
        std::abort();
    }
    frames = save.frame;
    platform.time = save.clock;
    engine.lastFrameTime = save.lastFrameTime;
    countdownsSaved = session.countdownsBegun;
    killsBefore = session.kills;
    escapesBefore = session.escapes;
}

BotGame::~BotGame() {
    engine.platform = previousPlatform;
}

void BotGame::frame() {
    const bool countdown = session.wave == nullptr;
    platform.time += kFrameTime;
    const double realTime = engine.waitForFrame();

    const int waveBefore = session.waveNumber;
    const double dt = screen.step(realTime, fast);

    time += dt;
    ++frames;
    if (keepingSaves && !session.gameOver && countdownsSaved != session.countdownsBegun) {
        countdownsSaved = session.countdownsBegun;
        saves.push_back({session.waveNumber, frames,
                         writeSavedGame(saveOf(session, "", engine.difficulty)), platform.time,
                         engine.lastFrameTime});
    }
    if (countdown)
        countdownTime += dt;

    if (countdown != (session.wave == nullptr) || session.waveNumber != waveBefore)
        lastWaveChange = time;
    if (session.waveNumber != waveBefore)
        recordWave(waveBefore);
    else if (session.gameOver)
        recordWave(session.waveNumber);
}

BotGame::Outcome BotGame::playFor(double seconds) {
    const std::vector<int> killsAtStart = session.kills;
    const std::vector<int> escapesAtStart = session.escapes;
    const double end = time + seconds;
    while (!over() && time < end)
        frame();
    Outcome outcome;
    for (size_t kind = 0; kind < session.kills.size(); ++kind) {
        outcome.kills += session.kills[kind] - killsAtStart[kind];
        const int escaped = session.escapes[kind] - escapesAtStart[kind];
        outcome.extraHealth += escaped * (engine.invaderDefs[kind].escapeCost - 1);
    }
    return outcome;
}

void BotGame::playThrough(Strategy& strategy) {
    while (!over()) {
        strategy.act(*this);
        frame();
    }
}

void BotGame::replay(const std::vector<BotMove>& moves) {
    auto move = std::lower_bound(moves.begin(), moves.end(), frames,
                                 [](const BotMove& m, long frame) { return m.frame < frame; });
    while (!over()) {
        for (; move != moves.end() && move->frame == frames; ++move) {
            const auto building = [this](int index) {
                return *std::next(session.buildings.begin(), index);
            };
            switch (move->kind) {
            case BotMove::Buy:
                session.build(move->type, move->x);
                break;
            case BotMove::Upgrade:
                session.upgrade(building(move->index));
                break;
            case BotMove::Sell:
                session.demolish(building(move->index));
                break;
            }
        }
        frame();
    }
}

int BotGame::indexOf(const Building* building) const {
    return static_cast<int>(
        std::distance(session.buildings.begin(),
                      std::find(session.buildings.begin(), session.buildings.end(), building)));
}

bool BotGame::over() const {
    return session.gameOver || (maxWaves > 0 && session.waveNumber > maxWaves) || stalled();
}

bool BotGame::stalled() const {
    return !session.gameOver && time - lastWaveChange > stallLimit;
}

void BotGame::recordWave(int wave) {
    WaveRecord record;
    record.wave = wave;
    record.boss = session.bossOf(wave) >= 0;
    killsBefore.resize(session.kills.size());
    escapesBefore.resize(session.escapes.size());
    for (size_t kind = 0; kind < session.kills.size(); ++kind) {
        record.killsByKind.push_back(session.kills[kind] - killsBefore[kind]);
        record.escapesByKind.push_back(session.escapes[kind] - escapesBefore[kind]);
    }
    killsBefore = session.kills;
    escapesBefore = session.escapes;
    record.kills = std::accumulate(record.killsByKind.begin(), record.killsByKind.end(), 0);
    record.escapes = std::accumulate(record.escapesByKind.begin(), record.escapesByKind.end(), 0);
    record.health = session.health;
    record.money = session.money;
    record.groundFull = true;
    for (int type = 0; type < towerTypeCount(); ++type) {
        record.towers.push_back(towersOf(type));
        record.groundFull =
            record.groundFull && (groundFull[type] || !engine.towerDefs[type].available);
    }
    record.time = time;
    record.frame = frames;
    record.purchases = std::accumulate(bought.begin(), bought.end(), upgrades);
    waves.push_back(record);

    kills += record.kills;
    escapes += record.escapes;
}

bool BotGame::canAfford(int type) const {
    const TowerDef& def = engine.towerDefs[type];
    return !session.gameOver && def.available && def.value <= session.money;
}

int BotGame::spreadSpot(int type) {
    if (groundFull[type])
        return -1;
    int best = -1;
    int widestGap = -1;
    for (int x = kGroundLeft; x <= kGroundRight; ++x) {
        if (!session.fits(type, x))
            continue;
        // The ends count double, so that the first tower stands in the middle
        // and the outermost ones half a gap from the ends.
        int gap = 2 * std::min(x - kGroundLeft, kGroundRight - x);
        for (const Building* building : session.buildings)
            gap = std::min(gap, std::abs(x - static_cast<int>(building->centreX())));
        if (gap > widestGap) {
            widestGap = gap;
            best = x;
        }
    }
    groundFull[type] = best < 0;
    return best;
}

bool BotGame::buy(int type) {
    if (!canAfford(type))
        return false;
    const int x = spreadSpot(type);
    if (x < 0)
        return false;
    moves.push_back({frames, BotMove::Buy, type, x, 0});
    boughtAt[session.build(type, x)] = time;
    ++bought[type];
    spent += engine.towerDefs[type].value;
    lastPurchase = time;
    return true;
}

bool BotGame::upgrade(Building* building) {
    if (!session.canUpgrade(building))
        return false;
    const int cost = engine.towerDefs[building->type].levelCost(building->level + 1);
    moves.push_back({frames, BotMove::Upgrade, 0, 0, indexOf(building)});
    session.upgrade(building);
    ++upgrades;
    spent += cost;
    lastPurchase = time;
    return true;
}

bool BotGame::levelLeft() const {
    return std::any_of(
        session.buildings.begin(), session.buildings.end(),
        [this](const Building* b) { return b->level < engine.towerDefs[b->type].upgrades; });
}

Building* BotGame::cheapestUpgrade() {
    Building* cheapest = nullptr;
    for (Building* building : session.buildings)
        if (session.canUpgrade(building) && (!cheapest || building->level < cheapest->level))
            cheapest = building;
    return cheapest;
}

void BotGame::sell(Building* building) {
    const int type = building->type;
    refunded += engine.towerDefs[type].paidFor(building->level) / 2;
    boughtAt.erase(building);
    moves.push_back({frames, BotMove::Sell, 0, 0, indexOf(building)});
    session.demolish(building);
    ++sold[type];
    std::fill(groundFull.begin(), groundFull.end(), false);
}

double BotGame::ageOf(const Building* building) const {
    const auto found = boughtAt.find(building);
    return found == boughtAt.end() ? time : time - found->second;
}

int BotGame::towersOf(int type) const {
    return static_cast<int>(std::count_if(session.buildings.begin(), session.buildings.end(),
                                          [type](const Building* b) { return b->type == type; }));
}
