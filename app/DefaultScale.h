#pragma once

// The window's scale when the player names none. On Windows, where the game
// declares itself DPI-aware and so is never stretched blurred, the largest
// whole scale whose framed window fits the screen's work area; elsewhere
// CommandLine::kDefaultScale.
int defaultScale();
