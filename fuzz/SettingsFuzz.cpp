// "strings.txt" as a player might edit it: read into the table, keys of each
// kind read back in every type, then a short game played by its numbers, towers
// of each kind and waves included, on the shipped pictures.

#include "FuzzHarness.h"
#include "ScriptedGame.h"

#include "app/Engine.h"
#include "app/Settings.h"
#include "game/Layout.h"
#include "game/TowerType.h"

#include <cstdlib>
#include <vector>

namespace {

const char* const kKeys[] = {
    "WindowTitle",     "TimestepThreshold",  "FontMain",        "FontMainKerning",
    "Tower1Value",     "Tower2Width",        "Tower3Available", "StartingHealth",
    "StartingMoney",   "TimeBetweenWaves",   "Tower1FreqBase",  "Tower2DamageSplashBase",
    "Tower3RangeBase", "MissileSteeringMax", "Wave1SpeedMax",   ""};

// Buys one tower of each kind across the ground line, then lets the waves
// come with Tab held.
std::vector<uint8_t> battleScript() {
    std::vector<uint8_t> script;
    auto frame = [&](uint8_t flags, uint8_t payload, int canvasX, int canvasY) {
        script.insert(script.end(), {flags, payload, static_cast<uint8_t>((2 * canvasX + 65) / 3),
                                     static_cast<uint8_t>((2 * canvasY + 17) / 2)});
    };
    const int spacing = Engine::instance().buttonSpacing;
    for (int type = 0; type < towerTypeCount(); ++type) {
        const layout::Rect button = layout::buildButton(type, spacing);
        frame(0x40, 0, button.x + 5, button.y + 5);
        frame(0x00, 0, button.x + 5, button.y + 5);
        frame(0x40, 0, 40 + 90 * type, 180);
        frame(0x00, 0, 40 + 90 * type, 180);
    }
    // A minute and a half of game time in 30 frames: enough for several
    // waves, few enough draws for a million settings files in an hour.
    for (int n = 0; n < 30; ++n)
        frame(0x09, 240, 160, 100);
    return script;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!loadShippedGame())
        std::abort();
    const std::string path = writeScratchFile(data, size, ".txt");

    Settings settings;
    if (!settings.load(path))
        std::abort();
    for (const char* key : kKeys) {
        settings.get(key);
        settings.getInt(key);
        settings.getReal(key);
    }

    Engine& engine = Engine::instance();
    static const Settings shipped = engine.settings;
    static const std::vector<uint8_t> script = battleScript();
    engine.settings = settings;
    ScriptedGame game;
    // One grey frame draws the lost game's dialog by these settings; the
    // dialog's answers are the game target's to explore.
    game.play(script.data(), script.size(), static_cast<int>(script.size()), 1);
    engine.settings = shipped;
    return 0;
}
