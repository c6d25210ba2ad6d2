#include "RealGame.h"

#include "app/Engine.h"

bool loadRealGame() {
    static const bool loaded = [] { return Engine::instance().loadData("data").empty(); }();
    return loaded;
}
