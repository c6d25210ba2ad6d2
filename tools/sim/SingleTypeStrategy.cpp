#include "sim/SingleTypeStrategy.h"

#include "sim/BotGame.h"

void SingleTypeStrategy::act(BotGame& game) {
    while (game.buy(type)) {
    }
}
