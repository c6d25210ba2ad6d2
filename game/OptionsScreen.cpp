#include "game/OptionsScreen.h"

#include "app/CommandLine.h"
#include "app/Engine.h"

#include <allegro.h>

#include <algorithm>
#include <string>

namespace {

constexpr int kVolumeStep = 10;

} // namespace

OptionsScreen::OptionsScreen(Engine& engine, bool withScale)
    : Screen(engine), withScale(withScale), clouds(makeClouds()) {
    menu.lines = {{"Volume", ""}, {"Sound", ""}};
    if (withScale)
        menu.lines.push_back({"Window", ""});
    menu.lines.push_back({"Back", ""});
    showValues();
}

OptionsScreen::Choice OptionsScreen::choiceOn(int line) const {
    if (!withScale && line >= Scale)
        return Back;
    return static_cast<Choice>(line);
}

void OptionsScreen::update(double dt, bool) {
    driftClouds(clouds, dt);
    const int scanCode = takeKey();
    if (scanCode == KEY_ESC) {
        next = Next::Title;
        return;
    }
    if (scanCode == KEY_M) {
        step(Sound, true);
        return;
    }
    switch (menu.handle(*engine, scanCode, leftClick())) {
    case Menu::Action::StepDown:
        step(menu.chosen, false);
        break;
    case Menu::Action::StepUp:
        step(menu.chosen, true);
        break;
    case Menu::Action::Choose:
        if (choiceOn(menu.chosen) == Back)
            next = Next::Title;
        else
            step(menu.chosen, true);
        break;
    case Menu::Action::None:
        break;
    }
}

void OptionsScreen::step(int line, bool up) {
    Options& options = engine->options;
    if (options.volume < 0)
        options.volume = engine->startVolume();
    switch (choiceOn(line)) {
    case Volume:
        options.volume = std::clamp(options.volume + (up ? kVolumeStep : -kVolumeStep), 0,
                                    CommandLine::kLoudestVolume);
        engine->applySound();
        break;
    case Sound:
        options.muted = !options.muted;
        engine->applySound();
        break;
    case Scale: {
        const int scale = std::clamp(engine->scale + (up ? 1 : -1), 1, CommandLine::kLargestScale);
        if (!engine->resizeWindow(scale))
            return;
        options.scale = scale;
        break;
    }
    case Back:
        return;
    }
    engine->saveOptions();
    showValues();
}

void OptionsScreen::showValues() {
    const Options& options = engine->options;
    const int volume = options.volume >= 0 ? options.volume : engine->startVolume();
    menu.lines[Volume].value = std::to_string(volume);
    menu.lines[Sound].value = options.muted ? "Off" : "On";
    if (withScale)
        menu.lines[Scale].value = std::to_string(engine->scale) + "x";
}

void OptionsScreen::draw() {
    BITMAP* canvas = engine->canvas->bitmap;
    drawBackdrop(clouds, canvas);
    drawHeading(canvas, *engine, "Options", layout::kTitleNameY);
    menu.draw(canvas, *engine);
    drawHint(canvas, *engine, "Left and right change, Escape goes back");
}
