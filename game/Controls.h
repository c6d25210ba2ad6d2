#pragma once

#include <string>
#include <vector>

// What each key and click does in a game: one table, which How to Play shows
// and --help prints, so that the two never tell the player different things.
struct Control {
    std::string keys;
    std::string action;
};

// Every control, in the order a player needs them. The tower keys are read
// from the tower table, so that a new tower's key is listed with the rest.
std::vector<Control> controls();

// The controls as --help lists them: one line each, the keys indented by two
// and the actions in a column after them.
std::string controlsHelpText();

// What a build button's key is called on screen: "1", "Q"; "?" for a key
// with no plain name.
std::string keyLabel(int scanCode);
