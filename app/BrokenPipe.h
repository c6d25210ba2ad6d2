#pragma once

// Lets a write to a connection the other end has dropped fail with an error
// instead of ending the process: the X server drops the game's connection
// whenever it resets, and the game tries again. Windows raises no signal for it.
void ignoreBrokenPipes();
