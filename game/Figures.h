#pragma once

#include <string>

class Building;
class Engine;
struct InvaderDef;

// A tower's figures as the player reads them, on its panel and on its page
// of How to Play: what each shot does, "damage 6 (1 on shellbacks), rate
// 2.2/s", naming what the armour of each armoured kind leaves of a hit; and
// how far it reaches, "range 80", or nothing for a tower without a reach.
std::string shotFigures(const Engine& engine, const Building& building);
std::string reachFigure(const Building& building);

// A kind's figures for its page: "health 8 (+1.6 a wave), armour 5, from
// wave 6", each part only where it says something.
std::string kindFigures(const InvaderDef& def);
