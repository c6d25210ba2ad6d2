#include "game/Screen.h"

#include "app/Engine.h"

bool Screen::leftClick() const {
    return (engine->previousMouseButtons & 1) && !(engine->mouseButtons & 1);
}

bool Screen::rightClick() const {
    return (engine->previousMouseButtons & 2) && !(engine->mouseButtons & 2);
}

bool Screen::leftHeld() const {
    return engine->mouseButtons & 1;
}

int Screen::takeKey() const {
    if (!engine->platform->keyPressed())
        return 0;
    return engine->platform->readKey() >> 8;
}
