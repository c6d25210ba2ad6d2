#pragma once

// The Allegro graphics driver that the game's window asks for first on this
// platform; should it fail, the game falls back to Allegro's own choice.
int windowedDriver();
