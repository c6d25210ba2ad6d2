#include "game/HowToPlayScreen.h"

#include "app/Engine.h"
#include "game/Menu.h"
#include "gfx/BitmapFont.h"

#include <allegro.h>

namespace {

// What each control does, as the README's table and --help put it.
struct Control {
    const char* keys;
    const char* action;
};
constexpr Control kControls[] = {
    {"Click a button", "choose a tower, then click the ground"},
    {"1, 2, 3", "choose the tower of that button"},
    {"Right click", "stop placing, or let the selected tower go"},
    {"Click a tower", "select it: upgrade (U) or sell (Delete) it"},
    {"P, Pause", "pause the game, and go on"},
    {"Tab (hold)", "run the game eight times as fast"},
    {"Escape", "the quit dialog"},
    {"M", "turn the sound off or on"},
    {"D", "the debug overlay"},
};

constexpr int kHeadingY = 8;
constexpr int kFirstLineY = 40;
constexpr int kLineHeight = 17;
constexpr int kKeysRight = 96;
constexpr int kActionLeft = 104;
constexpr int kPlateLeft = 4;
constexpr int kPlateTop = 34;

} // namespace

HowToPlayScreen::HowToPlayScreen(Engine& engine) : Screen(engine), clouds(makeClouds()) {}

void HowToPlayScreen::update(double dt, bool) {
    driftClouds(clouds, dt);
    const int scanCode = takeKey();
    if (scanCode == KEY_M)
        engine->toggleMute();
    else if (scanCode != 0 || leftClick())
        next = Next::Title;
}

void HowToPlayScreen::draw() {
    BITMAP* canvas = engine->canvas->bitmap;
    drawBackdrop(clouds, canvas);
    drawHeading(canvas, *engine, "How to Play", kHeadingY);
    const int count = static_cast<int>(std::size(kControls));
    rectfill(canvas, kPlateLeft, kPlateTop, layout::kCanvasWidth - 1 - kPlateLeft,
             kFirstLineY + count * kLineHeight - 4, plateColour());
    for (int line = 0; line < count; ++line) {
        const int y = kFirstLineY + line * kLineHeight;
        engine->fontMainRed->drawTextRight(canvas, kKeysRight, y, kControls[line].keys);
        engine->fontSmall->drawText(canvas, kActionLeft, y + 1, kControls[line].action);
    }
    drawHint(canvas, *engine, "Any key or click goes back");
}
