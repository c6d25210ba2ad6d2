#include "game/GameSession.h"

#include "app/Engine.h"

#include <allegro.h>

GameSession::GameSession() = default;

void GameSession::run() {
    Engine& engine = Engine::instance();
    running = true;
    while (running) {
        engine.waitForFrame();
        draw();
    }
}

void GameSession::draw() {
    Canvas* canvas = Engine::instance().canvas;
    clear_bitmap(canvas->bitmap);
    canvas->stretchToScreen();
}
