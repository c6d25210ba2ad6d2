#pragma once

#include <string>

// Shows a start-up error, in UTF-8, to a player who has no console to read it
// in, and waits until they have read it. Linux players start the game from a
// terminal or a menu that logs standard error, so there it shows nothing.
void showErrorWindow(const std::string& text);
