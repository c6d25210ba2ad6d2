#include "RealGame.h"

#include "app/Engine.h"

bool loadRealGame() {
    static const bool loaded = [] {
        Engine& engine = Engine::instance();
        if (!engine.settings.load("data/strings.txt"))
            return false;
        engine.canvas = new Canvas(320, 240);
        engine.loadCatalogue();
        return engine.checkCatalogue().empty();
    }();
    return loaded;
}
