#include "sim/Strategy.h"

#include "sim/GreedyStrategy.h"
#include "sim/MixStrategy.h"
#include "sim/SingleTypeStrategy.h"

const std::vector<std::string>& strategyNames() {
    static const std::vector<std::string> names = {"none", "lasers", "missiles",   "teslas",
                                                   "mix",  "greedy", "greedy-sell"};
    return names;
}

std::unique_ptr<Strategy> makeStrategy(const std::string& name) {
    if (name == "none")
        return std::make_unique<Strategy>();
    if (name == "lasers")
        return std::make_unique<SingleTypeStrategy>(0);
    if (name == "missiles")
        return std::make_unique<SingleTypeStrategy>(1);
    if (name == "teslas")
        return std::make_unique<SingleTypeStrategy>(2);
    if (name == "mix")
        return std::make_unique<MixStrategy>();
    if (name == "greedy")
        return std::make_unique<GreedyStrategy>(false);
    if (name == "greedy-sell")
        return std::make_unique<GreedyStrategy>(true);
    return nullptr;
}
