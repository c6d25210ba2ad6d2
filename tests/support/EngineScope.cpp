#include "support/EngineScope.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <type_traits>

// Every field of the engine that a test may change, named once for saving and
// restoring alike, so that none is saved and then forgotten. The pictures and
// fonts are shared and never freed, so their pointers are all a scope keeps.
// clang-format off
#define ENGINE_FIELDS(FIELD)                                                                \
    FIELD(dataFolder) FIELD(scale) FIELD(canvas) FIELD(settings)                            \
    FIELD(towerBaseline) FIELD(buttonSpacing)                                               \
    FIELD(fontMain) FIELD(fontMainRed) FIELD(fontSmall) FIELD(fontSmallRed)                 \
    FIELD(background) FIELD(redBar) FIELD(slots) FIELD(icons) FIELD(upgradeIcons)           \
    FIELD(laserSmall) FIELD(laserMedium) FIELD(cloudImages)                                 \
    FIELD(poofSheet) FIELD(explosionSmallSheet) FIELD(puff1Sheet) FIELD(puff2Sheet)         \
    FIELD(gameOverCaption) FIELD(missileSheet) FIELD(selector)                              \
    FIELD(towerDefs) FIELD(invaderDefs) FIELD(closeRequested) FIELD(options)                \
    FIELD(difficulty) FIELD(storage) FIELD(scaleGiven)                                      \
    FIELD(mouseX) FIELD(mouseY) FIELD(previousMouseButtons) FIELD(mouseButtons)             \
    FIELD(lastFrameTime) FIELD(timestepThreshold) FIELD(platform) FIELD(sound) FIELD(records)
// clang-format on

struct EngineScope::Saved {
#define DECLARE_FIELD(name) std::remove_reference_t<decltype(Engine::instance().name)> name;
    ENGINE_FIELDS(DECLARE_FIELD)
#undef DECLARE_FIELD
};

namespace {

template <typename T> void assign(T& to, const T& from) {
    if constexpr (std::is_array_v<T>)
        std::copy(std::begin(from), std::end(from), std::begin(to));
    else
        to = from;
}

template <typename T> void assign(std::atomic<T>& to, const std::atomic<T>& from) {
    to = from.load();
}

template <typename To, typename From> void copyFields(To& to, const From& from) {
#define COPY_FIELD(name) assign(to.name, from.name);
    ENGINE_FIELDS(COPY_FIELD)
#undef COPY_FIELD
}

} // namespace

EngineScope::EngineScope() : saved(std::make_unique<Saved>()) {
    copyFields(*saved, engine);
    engine.platform = &platform;
    engine.lastFrameTime = platform.time;
    engine.mouseButtons = engine.previousMouseButtons = 0;
}

EngineScope::~EngineScope() {
    copyFields(engine, *saved);
}
