#include "sim/Strategy.h"

#include "sim/GreedyStrategy.h"
#include "sim/MixStrategy.h"
#include "sim/SingleTypeStrategy.h"

#include "game/TowerType.h"

const std::vector<std::string>& strategyNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all = {"none"};
        for (const TowerType& type : towerTypes())
            all.push_back(type.reportName);
        all.insert(all.end(), {"mix", "upgrade", "greedy", "greedy-sell"});
        return all;
    }();
    return names;
}

std::unique_ptr<Strategy> makeStrategy(const std::string& name) {
    if (name == "none")
        return std::make_unique<Strategy>();
    for (int type = 0; type < towerTypeCount(); ++type) {
        if (name == towerTypes()[type].reportName)
            return std::make_unique<SingleTypeStrategy>(type);
    }
    if (name == "mix")
        return std::make_unique<MixStrategy>();
    if (name == "upgrade")
        return std::make_unique<MixStrategy>(true);
    if (name == "greedy")
        return std::make_unique<GreedyStrategy>(false);
    if (name == "greedy-sell")
        return std::make_unique<GreedyStrategy>(true);
    return nullptr;
}
