#include "GameData.h"

#include "app/Engine.h"
#include "support/FakePlatform.h"

bool haveGameData(benchmark::State& state) {
    static const bool usable = [] {
        Engine& engine = Engine::instance();
        static FakePlatform still;
        engine.platform = &still;
        if (!engine.settings.load("data/strings.txt"))
            return false;
        engine.canvas = new Canvas(320, 240);
        engine.loadCatalogue();
        return engine.checkCatalogue().empty();
    }();
    if (!usable)
        state.SkipWithError("run from the repository root, with a complete data/");
    return usable;
}
