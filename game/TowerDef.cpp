#include "game/TowerDef.h"

#include <algorithm>
#include <climits>

int TowerDef::levelCost(int level) const {
    const long long cost = static_cast<long long>(level) * upgradeCost;
    return static_cast<int>(std::clamp<long long>(cost, INT_MIN, INT_MAX));
}

int TowerDef::paidFor(int level) const {
    long long paid = value;
    for (int n = 1; n <= level; ++n)
        paid = std::clamp<long long>(paid + levelCost(n), INT_MIN, INT_MAX);
    return static_cast<int>(paid);
}
