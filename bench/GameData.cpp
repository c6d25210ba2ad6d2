#include "GameData.h"

#include "app/Engine.h"
#include "support/FakePlatform.h"

bool haveGameData(benchmark::State& state) {
    static const bool usable = [] {
        Engine& engine = Engine::instance();
        static FakePlatform still;
        engine.platform = &still;
        return engine.loadData("data").empty();
    }();
    if (!usable)
        state.SkipWithError("run from the repository root, with a complete data/");
    return usable;
}
