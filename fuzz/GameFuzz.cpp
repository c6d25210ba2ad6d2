// The game itself on the shipped data/, played by a script of frames: any
// frame time, any pointer and buttons, Escape, D, Tab and other keys.

#include "FuzzHarness.h"
#include "ScriptedGame.h"

#include <cstdlib>

namespace {

// Long enough to build, fight a wave and lose; short enough for many runs.
constexpr int kMaxFrames = 200;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!loadShippedGame())
        std::abort();
    ScriptedGame game;
    game.play(data, size, kMaxFrames);
    return 0;
}
