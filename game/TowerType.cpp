#include "game/TowerType.h"

#include "defences/LaserTurret.h"
#include "defences/MissileTurret.h"
#include "defences/TeslaCoil.h"

#include <allegro.h>

namespace {

template <typename Tower> Building* makeTower(int type) {
    return new Tower(type);
}

} // namespace

const std::vector<TowerType>& towerTypes() {
    // The laser fires in animation 2; the missile turret turns in 2 to 4.
    static const std::vector<TowerType> types = {
        {1, makeTower<LaserTurret>, 3, 1, KEY_1, "lasers", 'L'},
        {2, makeTower<MissileTurret>, 5, 2, KEY_2, "missiles", 'M'},
        {3, makeTower<TeslaCoil>, 2, 3, KEY_3, "teslas", 'T'},
    };
    return types;
}

int towerTypeCount() {
    return static_cast<int>(towerTypes().size());
}

Building* makeBuilding(int type) {
    if (type < 0 || type >= towerTypeCount())
        return nullptr;
    return towerTypes()[type].make(type);
}
