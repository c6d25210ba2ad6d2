#include "sim/Summary.h"

#include "sim/BotGame.h"
#include "sim/StrategyRows.h"

#include "game/TowerType.h"

#include <algorithm>

namespace {

struct Spread {
    double median;
    double low;
    double high;
};

template <typename T, typename Field> Spread spreadOf(const std::vector<T>& games, Field field) {
    std::vector<double> values;
    for (const T& game : games)
        values.push_back(field(game));
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    return {median, values.front(), values.back()};
}

} // namespace

void Summary::add(const std::string& strategy, const BotGame& game) {
    Row* row = &rowOf(rows, strategy);
    Game result;
    result.lost = game.session.gameOver;
    result.stalled = game.stalled();
    result.waveReached = game.session.waveNumber;
    result.minutes = game.time / 60.0;
    result.countdown = game.time > 0.0 ? game.countdownTime / game.time : 0.0;
    result.unspent = game.session.money;
    result.bought = game.bought;
    result.upgrades = game.upgrades;
    result.lastPurchase = game.lastPurchase / 60.0;
    for (int type = 0; type < towerTypeCount(); ++type)
        result.standing.push_back(game.towersOf(type));
    result.bossKills = 0;
    result.bossWaves = 0;
    for (const WaveRecord& record : game.waves) {
        if (!record.boss)
            continue;
        ++result.bossWaves;
        result.bossKills += record.kills;
    }
    row->games.push_back(result);
}

void Summary::print(std::FILE* out) const {
    std::string boughtHeading = "bought ";
    for (const TowerType& type : towerTypes())
        boughtHeading += std::string(boughtHeading.back() == ' ' ? "" : "/") + type.reportLetter;
    // Bosses killed of those met, over all the games, once any game meets one.
    bool bosses = false;
    for (const Row& row : rows)
        for (const Game& game : row.games)
            bosses = bosses || game.bossWaves > 0;
    std::fprintf(out, "%-12s %5s %5s %7s  %-14s %-18s %9s %8s  %-14s %8s %9s  %s%s\n", "strategy",
                 "games", "lost", "stalled", "wave (range)", "minutes (range)", "countdown",
                 "unspent", boughtHeading.c_str(), "upgrades", "last buy", "every type standing",
                 bosses ? "  bosses killed" : "");
    for (const Row& row : rows) {
        const Spread wave = spreadOf(row.games, [](const Game& g) { return g.waveReached; });
        const Spread minutes = spreadOf(row.games, [](const Game& g) { return g.minutes; });
        const Spread countdown = spreadOf(row.games, [](const Game& g) { return g.countdown; });
        const Spread unspent = spreadOf(row.games, [](const Game& g) { return g.unspent; });
        const Spread upgrades = spreadOf(row.games, [](const Game& g) { return g.upgrades; });
        const Spread lastBuy = spreadOf(row.games, [](const Game& g) { return g.lastPurchase; });
        int lost = 0;
        int stalled = 0;
        int everyType = 0;
        std::vector<int> bought(towerTypeCount());
        for (const Game& game : row.games) {
            lost += game.lost;
            stalled += game.stalled;
            everyType += std::count(game.standing.begin(), game.standing.end(), 0) == 0;
            for (int type = 0; type < towerTypeCount(); ++type)
                bought[type] += game.bought[type];
        }
        char waves[32];
        std::snprintf(waves, sizeof waves, "%.1f (%.0f-%.0f)", wave.median, wave.low, wave.high);
        char length[32];
        std::snprintf(length, sizeof length, "%.1f (%.1f-%.1f)", minutes.median, minutes.low,
                      minutes.high);
        std::string types;
        for (const int count : bought)
            types += (types.empty() ? "" : "/") + std::to_string(count);
        std::fprintf(out, "%-12s %5zu %5d %7d  %-14s %-18s %8.1f%% %8.0f  %-14s %8.0f %9.1f  %d",
                     row.strategy.c_str(), row.games.size(), lost, stalled, waves, length,
                     100.0 * countdown.median, unspent.median, types.c_str(), upgrades.median,
                     lastBuy.median, everyType);
        if (bosses) {
            int killed = 0;
            int met = 0;
            for (const Game& game : row.games) {
                killed += game.bossKills;
                met += game.bossWaves;
            }
            std::fprintf(out, "%20s",
                         (std::to_string(killed) + " of " + std::to_string(met)).c_str());
        }
        std::fputc('\n', out);
    }
}
