#include "sim/MixStrategy.h"

#include "sim/BotGame.h"

#include "game/TowerType.h"

void MixStrategy::act(BotGame& game) {
    const int turns = towerTypeCount() + 1;
    for (int tried = 0; tried < turns; ++tried) {
        if (upgradeTurn()) {
            if (!takeUpgradeTurn(game))
                return;
        } else {
            // Waits for the money, unless the type has already been found to
            // fit nowhere; buy() finds that out the first time it is
            // affordable.
            if (!game.canAfford(next) && !game.knownFull(next))
                return;
            game.buy(next);
        }
        next = (next + 1) % turns;
    }
}

bool MixStrategy::takeUpgradeTurn(BotGame& game) {
    bool groundFull = true;
    for (int type = 0; type < towerTypeCount(); ++type)
        groundFull = groundFull && game.knownFull(type);
    // Nothing to raise yet, or no level left: the turn passes on.
    if ((groundFirst && !groundFull) || !game.levelLeft())
        return true;
    // A level not yet paid for waits for the money.
    Building* building = game.cheapestUpgrade();
    return building && game.upgrade(building);
}
