#pragma once

#include <string>
#include <vector>

class Building;

// Everything the game needs to know about a kind of tower besides its class:
// where its settings are, how to build one, what its sheet must hold, which
// icon its button shows and what the bots' reports call it. Adding a tower
// type means writing its class, adding its row to towerTypes() and giving it
// its data.
struct TowerType {
    // The n of its "Tower%d..." keys in strings.txt.
    int settingsNumber;
    // A new tower of this type, not yet placed, given its place in the table.
    Building* (*make)(int type);
    // How many animations its sheet must have for the game to play it.
    unsigned animations;
    // Its icon's cell in the icons strip, counted in icons from the left.
    int iconCell;
    // The key that chooses it as its build button does: an Allegro scan code.
    int key;
    // What the bots' reports and the sim's options call a row of them
    // ("lasers"), and the letter that stands for it in the summary.
    std::string reportName;
    char reportLetter;
};

// Every tower type, in the order of the build buttons from the right; a
// tower's type is its place here.
const std::vector<TowerType>& towerTypes();

// How many there are, as a tower's type counts them.
int towerTypeCount();

// A new tower of the given type, or null for a number that is no type.
Building* makeBuilding(int type);
