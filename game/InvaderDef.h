#pragma once

class SpriteSheet;

// What every invader of one type shares: read once from the "Invader%d..." keys.
struct InvaderDef {
    int health = 0;                // health of an invader of the first wave
    double healthIncrease = 0.0;   // health added for each later wave
    int value = 0;                 // bounty paid for a kill
    double size = 0.0;             // radius of the hit circle, in pixels
    SpriteSheet* sprite = nullptr; // owned; lives as long as the game
};
