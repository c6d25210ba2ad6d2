#include "ScriptedGame.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"

#include <allegro.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr size_t kFrameBytes = 4;

} // namespace

ScriptedGame::ScriptedGame() : savedPlatform(Engine::instance().platform) {
    Engine::instance().platform = &platform;
}

ScriptedGame::~ScriptedGame() {
    Engine::instance().platform = savedPlatform;
}

double ScriptedGame::frameTime(unsigned kind, unsigned payload) {
    switch (kind) {
    case 0:
        return 0.0;
    case 1:
        return payload / 600.0;
    case 2:
        return 1.0 / 60.0;
    case 3:
        return std::ldexp(1.0, static_cast<int>(payload % 64)); // up to 2^63 seconds
    case 4:
        return -(payload / 60.0) - std::numeric_limits<double>::denorm_min();
    case 5:
        return std::numeric_limits<double>::quiet_NaN();
    case 6:
        return std::numeric_limits<double>::infinity();
    default:
        return -std::numeric_limits<double>::infinity();
    }
}

void ScriptedGame::frame(const uint8_t* bytes) {
    const unsigned flags = bytes[0];
    const unsigned payload = bytes[1];
    Engine& engine = Engine::instance();

    if (flags & 0x08)
        platform.held.insert(KEY_TAB);
    else
        platform.held.erase(KEY_TAB);
    switch ((flags >> 4) & 3) {
    case 1:
        platform.press(KEY_ESC);
        break;
    case 2:
        platform.press(KEY_D);
        break;
    case 3:
        platform.keys.push_back(static_cast<int>(payload << 8 | payload));
        break;
    }
    platform.buttons = static_cast<int>(flags >> 6);
    platform.x = bytes[2] * 3 - 64;
    platform.y = bytes[3] * 2 - 16;

    // The wait itself is the frame clock's business; what this frame's update
    // receives is the script's.
    platform.time = engine.lastFrameTime + engine.timestepThreshold;
    engine.waitForFrame();
    screen->step(frameTime(flags & 7, payload), platform.keyDown(KEY_TAB));
    screen->draw();
}

int ScriptedGame::play(const uint8_t* script, size_t size, int maxFrames, int framesAfterGameOver) {
    Engine& engine = Engine::instance();
    engine.mouseButtons = engine.previousMouseButtons = 0;
    engine.lastFrameTime = platform.time;
    Random::seed(1);

    session = new GameSession;
    session->start();
    screen = new PlayfieldScreen(*session);
    int played = 0;
    int afterGameOver = 0;
    for (size_t at = 0; at + kFrameBytes <= size && played < maxFrames && screen->next == Screen::Next::Stay &&
                        afterGameOver < framesAfterGameOver;
         at += kFrameBytes) {
        frame(script + at);
        ++played;
        if (session->gameOver)
            ++afterGameOver;
    }
    delete screen;
    delete session;
    screen = nullptr;
    session = nullptr;
    platform.keys.clear();
    platform.held.clear();
    return played;
}
