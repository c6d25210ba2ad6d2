#include "sim/GreedyStrategy.h"

#include "sim/BotGame.h"

#include "app/Engine.h"
#include "defences/Building.h"
#include "game/TowerType.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// How far ahead a choice is played out, in game seconds: about two waves in
// the middle of a game. Over a fixed time rather than a number of waves, a
// tower that kills sooner also counts for more, even when the towers standing
// would kill every squibble in the end.
constexpr double kLookAhead = 60.0;
// A tower is bought for the rest of the game but judged a minute at a time.
// Selling one that has not yet stood for several minutes would trade it away
// on one minute's luck, such as the last missile turret for a laser mid-game,
// wanted back as soon as the waves come low and tough.
constexpr double kLeastService = 4 * kLookAhead;
// Often enough that the bounties of a wave are spent while it still matters.
constexpr double kShoppingInterval = 5.0;
// A point of health lost beyond the one that every escape costs (and that
// the kill not made already counts) weighs as this many kills: a boss that
// gets through ends the game sooner than a squibble does.
constexpr double kExtraHealthInKills = 4.0;

} // namespace

void GreedyStrategy::act(BotGame& game) {
    // Like a player who shops when a wave is cleared, when the next one comes
    // and now and then while it marches, rather than in every frame.
    const bool waveOn = game.session.wave != nullptr;
    if (waveOn == lookedDuringWave && game.time < lastLook + kShoppingInterval && game.time > 0.0)
        return;
    lookedDuringWave = waveOn;
    lastLook = game.time;
    while (choose(game)) {
    }
}

std::vector<GreedyStrategy::Choice> GreedyStrategy::choices(BotGame& game) const {
    std::vector<Choice> found;
    const std::vector<TowerDef>& defs = game.engine.towerDefs;
    for (int type = 0; type < towerTypeCount(); ++type) {
        if (!defs[type].available)
            continue;
        if (game.canAfford(type) && game.spreadSpot(type) >= 0) {
            found.push_back({[type](BotGame& copy) { return copy.buy(type); }, defs[type].value});
            continue;
        }
        if (!sells || !game.knownFull(type))
            continue;
        for (int old = 0; old < towerTypeCount(); ++old) {
            const auto oldest =
                std::find_if(game.session.buildings.begin(), game.session.buildings.end(),
                             [old](const Building* b) { return b->type == old; });
            if (old == type || oldest == game.session.buildings.end() ||
                game.ageOf(*oldest) < kLeastService)
                continue;
            // The refund comes before the purchase, as it would for a player.
            if (defs[type].value - defs[old].value / 2 > game.session.money)
                continue;
            const int position =
                static_cast<int>(std::distance(game.session.buildings.begin(), oldest));
            found.push_back({[type, position](BotGame& copy) {
                                 auto it = copy.session.buildings.begin();
                                 std::advance(it, position);
                                 copy.sell(*it);
                                 return copy.buy(type);
                             },
                             // Valued at the new tower's whole price: counting
                             // only what the refund leaves to pay would make a
                             // swap for a tower of half the price look free.
                             defs[type].value});
        }
    }
    upgradeChoices(game, found);
    return found;
}

void GreedyStrategy::upgradeChoices(BotGame& game, std::vector<Choice>& found) const {
    const std::vector<TowerDef>& defs = game.engine.towerDefs;
    // A level for the least raised tower of each type, found in the copy by
    // its place in the list.
    for (int type = 0; type < towerTypeCount(); ++type) {
        const Building* least = nullptr;
        int position = 0;
        int at = 0;
        for (const Building* building : game.session.buildings) {
            if (building->type == type && building->level < defs[type].upgrades &&
                (!least || building->level < least->level)) {
                least = building;
                position = at;
            }
            ++at;
        }
        if (!least || defs[type].levelCost(least->level + 1) > game.session.money)
            continue;
        found.push_back({[position](BotGame& copy) {
                             auto it = copy.session.buildings.begin();
                             std::advance(it, position);
                             return copy.upgrade(*it);
                         },
                         defs[type].levelCost(least->level + 1)});
    }
}

bool GreedyStrategy::choose(BotGame& game) {
    const std::vector<Choice> options = choices(game);
    if (options.empty())
        return false;

    const Worth standing = worthAhead(game, [](BotGame&) { return true; });
    const Choice* best = nullptr;
    double bestValue = 0.0;
    for (const Choice& option : options) {
        const Worth worth = worthAhead(game, option.change);
        const double value = (worth.score - standing.score) / std::max(option.cost, 1);
        if (worth.has && value > bestValue) {
            bestValue = value;
            best = &option;
        }
    }
    return best && best->change(game);
}

GreedyStrategy::Worth GreedyStrategy::worthAhead(BotGame& game, const Change& change) {
    int channel[2];
    if (pipe(channel) != 0) {
        std::perror("groundline-sim: pipe");
        std::exit(1);
    }
    // The copy is a forked process: the whole game, the generator's state
    // included, goes on from this very frame without touching this one.
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("groundline-sim: fork");
        std::exit(1);
    }
    if (child == 0) {
        close(channel[0]);
        Worth worth;
        if (change(game)) {
            const BotGame::Outcome ahead = game.playFor(kLookAhead);
            worth.has = true;
            worth.score = ahead.kills - kExtraHealthInKills * ahead.extraHealth;
        }
        const ssize_t written = write(channel[1], &worth, sizeof worth);
        _exit(written == sizeof worth ? 0 : 1);
    }
    close(channel[1]);
    Worth worth;
    if (read(channel[0], &worth, sizeof worth) != sizeof worth)
        worth = Worth();
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return worth;
}
