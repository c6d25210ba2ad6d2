#pragma once

#include <string>

class SpriteSheet;

// What every invader of one kind shares: read once from the "Invader%d..."
// keys. A kind other than the first is in the game only when its sprite key
// is there.
struct InvaderDef {
    bool present = false;          // its keys are in strings.txt
    std::string name;              // as the banners and How to Play name it
    std::string blurb;             // what it does and what beats it, in a line; may be empty
    int health = 0;                // health of an invader of the first wave
    double healthIncrease = 0.0;   // health added for each later wave
    int value = 0;                 // bounty paid for a kill
    double size = 0.0;             // radius of the hit circle, in pixels
    SpriteSheet* sprite = nullptr; // owned; lives as long as the game
    SpriteSheet* poof = nullptr;   // its own death poof, or null for the shared one

    int escapeCost = 1;       // health the player loses when one gets through
    int armour = 0;           // taken off every hit
    int firstWave = 0;        // the first wave it marches in; 0 never
    double share = 0.0;       // of a wave's invaders, from 0 to 1
    double speed = 0.0;       // its own pace, in pixels per second: a dive or a boss's march
    double longestWait = 0.0; // most seconds on the playfield before it dives
};
