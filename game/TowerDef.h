#pragma once

#include <string>

class SpriteSheet;

// What every tower of one type shares: read once from the "Tower%d..." keys.
struct TowerDef {
    std::string name;              // shown in the build menu and while placing
    std::string blurb;             // what it is good at, for How to Play; may be empty
    int value = 0;                 // price; demolishing refunds half
    int width = 0;                 // footprint on the ground line, in pixels
    bool available = false;        // whether the build button can be used
    SpriteSheet* sprite = nullptr; // owned; lives as long as the game

    // Upgrades: how many levels a tower can rise by (0: none), what the first
    // costs (level n costs n times as much), and what each level adds.
    int upgrades = 0;
    int upgradeCost = 0;
    int upgradeDamage = 0;       // to each hit, and to the missile's splash
    double upgradeSpeedup = 0.0; // the time between shots is divided by 1 + this
    double upgradeReach = 0.0;   // pixels, to the coil's range or the missile's splash

    // The price of rising from level - 1 to level.
    int levelCost(int level) const;
    // Everything paid for a tower that has risen to level: its price and its
    // upgrades, held at the most money there is.
    int paidFor(int level) const;
};
