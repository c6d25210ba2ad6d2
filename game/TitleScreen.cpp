#include "game/TitleScreen.h"

#include "app/Engine.h"

#include <allegro.h>

namespace {

constexpr const char* kName = "Groundline Defence";

} // namespace

TitleScreen::TitleScreen(Engine& engine, bool canQuit) : Screen(engine), clouds(makeClouds()) {
    menu.lines = {{"Play", ""}, {"How to Play", ""}, {"Options", ""}};
    if (canQuit)
        menu.lines.push_back({"Quit", ""});
    showDifficulty();
}

Difficulty TitleScreen::difficulty() const {
    return engine->options.difficulty;
}

void TitleScreen::update(double dt, bool) {
    driftClouds(clouds, dt);
    const int scanCode = takeKey();
    if (scanCode == KEY_M)
        engine->toggleMute();
    // Escape goes to Quit rather than through it: one key too many should
    // not end the program.
    if (scanCode == KEY_ESC && menu.lines.size() > Quit) {
        menu.chosen = Quit;
        return;
    }
    switch (menu.handle(*engine, scanCode, leftClick())) {
    case Menu::Action::StepDown:
        if (menu.chosen == Play)
            stepDifficulty(false);
        break;
    case Menu::Action::StepUp:
        if (menu.chosen == Play)
            stepDifficulty(true);
        break;
    case Menu::Action::Choose:
        next = menu.chosen == Play        ? Next::Play
               : menu.chosen == HowToPlay ? Next::HowToPlay
               : menu.chosen == Options   ? Next::Options
                                          : Next::Quit;
        break;
    case Menu::Action::None:
        break;
    }
}

void TitleScreen::stepDifficulty(bool up) {
    const Difficulty now = engine->options.difficulty;
    const Difficulty stepped = up ? harder(now) : easier(now);
    if (stepped == now)
        return;
    engine->options.difficulty = stepped;
    engine->saveOptions();
    showDifficulty();
}

void TitleScreen::showDifficulty() {
    menu.lines[Play].value = levelOf(engine->options.difficulty).caption;
}

void TitleScreen::draw() {
    BITMAP* canvas = engine->canvas->bitmap;
    drawBackdrop(clouds, canvas);
    drawHeading(canvas, *engine, kName, layout::kTitleNameY);
    menu.draw(canvas, *engine);
    drawHint(canvas, *engine, "Arrows choose, Enter plays, or click");
}
