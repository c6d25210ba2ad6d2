#include "sim/MixStrategy.h"

#include "sim/BotGame.h"

#include "game/TowerType.h"

void MixStrategy::act(BotGame& game) {
    for (int tried = 0; tried < towerTypeCount(); ++tried) {
        // Waits for the money, unless the type has already been found to fit
        // nowhere; buy() finds that out the first time it is affordable.
        if (!game.canAfford(next) && !game.knownFull(next))
            return;
        game.buy(next);
        next = (next + 1) % towerTypeCount();
    }
}
