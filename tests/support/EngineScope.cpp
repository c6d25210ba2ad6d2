#include "support/EngineScope.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

// The engine's fields that tests change, by the engine's own names, copied by
// value: the pictures and fonts are shared and never freed, so their pointers
// suffice.
struct EngineScope::Saved {
    std::string dataFolder;
    int scale;
    Canvas* canvas;
    Settings settings;
    int towerBaseline;
    int buttonSpacing;
    BitmapFont* fontMain;
    BitmapFont* fontMainRed;
    BitmapFont* fontSmall;
    BitmapFont* fontSmallRed;
    BITMAP* background;
    BITMAP* redBar;
    BITMAP* slots;
    BITMAP* icons;
    BITMAP* upgradeIcons;
    BITMAP* laserSmall;
    BITMAP* laserMedium;
    BITMAP* cloudImages[5];
    SpriteSheet* poofSheet;
    SpriteSheet* explosionSmallSheet;
    SpriteSheet* puff1Sheet;
    SpriteSheet* puff2Sheet;
    BITMAP* gameOverCaption;
    SpriteSheet* missileSheet;
    BITMAP* selector;
    GameSession* session;
    int mouseX;
    int mouseY;
    int previousMouseButtons;
    int mouseButtons;
    std::vector<TowerDef> towerDefs;
    InvaderDef invaderDefs[1];
    double lastFrameTime;
    double timestepThreshold;
    Platform* platform;
};

namespace {

template <typename To, typename From> void assign(To& to, const From& from) {
    if constexpr (std::is_array_v<To>)
        std::copy(std::begin(from), std::end(from), std::begin(to));
    else
        to = from;
}

// One list for saving and restoring alike, so that a field cannot be saved
// and then forgotten.
template <typename To, typename From> void copyFields(To& to, const From& from) {
    assign(to.dataFolder, from.dataFolder);
    assign(to.scale, from.scale);
    assign(to.canvas, from.canvas);
    assign(to.settings, from.settings);
    assign(to.towerBaseline, from.towerBaseline);
    assign(to.buttonSpacing, from.buttonSpacing);
    assign(to.fontMain, from.fontMain);
    assign(to.fontMainRed, from.fontMainRed);
    assign(to.fontSmall, from.fontSmall);
    assign(to.fontSmallRed, from.fontSmallRed);
    assign(to.background, from.background);
    assign(to.redBar, from.redBar);
    assign(to.slots, from.slots);
    assign(to.icons, from.icons);
    assign(to.upgradeIcons, from.upgradeIcons);
    assign(to.laserSmall, from.laserSmall);
    assign(to.laserMedium, from.laserMedium);
    assign(to.cloudImages, from.cloudImages);
    assign(to.poofSheet, from.poofSheet);
    assign(to.explosionSmallSheet, from.explosionSmallSheet);
    assign(to.puff1Sheet, from.puff1Sheet);
    assign(to.puff2Sheet, from.puff2Sheet);
    assign(to.gameOverCaption, from.gameOverCaption);
    assign(to.missileSheet, from.missileSheet);
    assign(to.selector, from.selector);
    assign(to.session, from.session);
    assign(to.mouseX, from.mouseX);
    assign(to.mouseY, from.mouseY);
    assign(to.previousMouseButtons, from.previousMouseButtons);
    assign(to.mouseButtons, from.mouseButtons);
    assign(to.towerDefs, from.towerDefs);
    assign(to.invaderDefs, from.invaderDefs);
    assign(to.lastFrameTime, from.lastFrameTime);
    assign(to.timestepThreshold, from.timestepThreshold);
    assign(to.platform, from.platform);
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
