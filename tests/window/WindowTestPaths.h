#pragma once

#include <string>

// Where the window tests find the game and put what they make; the build
// fills these in.

// The game's executable in this build tree (plain or sanitized).
std::string gameExecutable();

// A program that connects to the display, reads the window list and leaves,
// over and over; its argument is the pause between rounds in milliseconds.
std::string windowListPoller();

// The repository root: run the game there to use the real data/.
std::string repositoryRoot();

// A path for a screenshot in the build tree, named after the running test
// unless a name is given. The folder is made if need be.
std::string screenshotPath(const std::string& name = "");
