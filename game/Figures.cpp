#include "game/Figures.h"

#include "app/Engine.h"
#include "defences/Building.h"
#include "game/InvaderDef.h"
#include "invaders/InvaderKind.h"

#include <cmath>
#include <cstdio>

namespace {

// What a hit of the damage does to the kinds whose armour cuts it:
// " (1 on shellbacks)"; empty where no armour would.
std::string armouredDamage(const Engine& engine, int damage) {
    std::string cut;
    for (int kind = 0; kind < invaderKindCount(); ++kind) {
        const InvaderDef& def = engine.invaderDefs[kind];
        if (!def.present || def.armour <= 0 || damage <= 0)
            continue;
        // A hit no stronger than the armour does nothing at all.
        const int done = damage > def.armour ? damage - def.armour : 0;
        cut += (cut.empty() ? " (" : ", ") + std::to_string(done) + " on " +
               invaderKinds()[kind].reportName;
    }
    return cut.empty() ? cut : cut + ")";
}

} // namespace

std::string shotFigures(const Engine& engine, const Building& building) {
    // A tower whose period is not a positive number never fires.
    const double rate = building.period > 0.0f ? 1.0 / building.period : 0.0;
    char rateText[32];
    std::snprintf(rateText, sizeof rateText, "rate %.1f/s", rate);
    return "damage " + std::to_string(building.damage) + armouredDamage(engine, building.damage) +
           ", " + rateText;
}

std::string reachFigure(const Building& building) {
    const long reach = std::lround(building.reach());
    if (!building.reachName() || reach <= 0)
        return "";
    return std::string(building.reachName()) + " " + std::to_string(reach);
}

std::string kindFigures(const InvaderDef& def) {
    std::string figures = "health " + std::to_string(def.health);
    if (def.healthIncrease > 0.0) {
        char growth[48];
        std::snprintf(growth, sizeof growth, " (+%g a wave)", def.healthIncrease);
        figures += growth;
    }
    if (def.armour > 0)
        figures += ", armour " + std::to_string(def.armour);
    if (def.escapeCost > 1)
        figures += ", costs " + std::to_string(def.escapeCost) + " health";
    if (def.firstWave > 0)
        figures += ", from wave " + std::to_string(def.firstWave);
    return figures;
}
