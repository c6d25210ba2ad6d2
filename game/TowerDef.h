#pragma once

#include <string>

class SpriteSheet;

// What every tower of one type shares: read once from the "Tower%d..." keys.
struct TowerDef {
    std::string name;             // shown in the build menu and while placing
    int value = 0;                // price; demolishing refunds half
    int width = 0;                // footprint on the ground line, in pixels
    bool available = false;       // whether the build button can be used
    SpriteSheet* sprite = nullptr; // owned; lives as long as the game
};
