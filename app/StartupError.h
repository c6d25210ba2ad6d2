#pragma once

#include <string>
#include <vector>

// Why the game cannot start or go on, one line each, told where its player
// will see it: on standard error as "groundline: LINE", and in a message box
// on Windows, whose game has no console, in the same words.
void reportStartupError(const std::vector<std::string>& lines);
