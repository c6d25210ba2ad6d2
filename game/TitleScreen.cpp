#include "game/TitleScreen.h"

#include "app/Engine.h"
#include "game/SavedGame.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* kName = "Groundline Defence";

} // namespace

TitleScreen::TitleScreen(Engine& engine, bool canQuit) : Screen(engine), clouds(makeClouds()) {
    choices = {Play, HowToPlay, Options};
    if (canQuit)
        choices.push_back(Quit);
    showDifficulty();
}

Difficulty TitleScreen::difficulty() const {
    return engine->options.difficulty;
}

TitleScreen::Choice TitleScreen::choiceAt(int line) const {
    return choices[static_cast<size_t>(std::clamp(line, 0, static_cast<int>(choices.size()) - 1))];
}

void TitleScreen::update(double dt, bool) {
    driftClouds(clouds, dt);
    const int scanCode = takeKey();
    if (scanCode == KEY_M)
        engine->toggleMute();
    // Escape goes to Quit rather than through it: one key too many should
    // not end the program.
    if (scanCode == KEY_ESC && choices.back() == Quit) {
        menu.chosen = static_cast<int>(choices.size()) - 1;
        return;
    }
    switch (menu.handle(*engine, scanCode, leftClick())) {
    case Menu::Action::StepDown:
        if (choiceAt(menu.chosen) == Play)
            stepDifficulty(false);
        break;
    case Menu::Action::StepUp:
        if (choiceAt(menu.chosen) == Play)
            stepDifficulty(true);
        break;
    case Menu::Action::Choose:
        switch (choiceAt(menu.chosen)) {
        case Continue:
            continued = true;
            next = Next::Play;
            break;
        case Play:
            next = Next::Play;
            break;
        case HowToPlay:
            next = Next::HowToPlay;
            break;
        case Options:
            next = Next::Options;
            break;
        case Quit:
            next = Next::Quit;
            break;
        }
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
    // Each difficulty's settings have their own save, which the title can
    // only look for with those settings laid.
    if (engine->difficulty != engine->options.difficulty)
        for (const std::string& problem : engine->useDifficulty(engine->options.difficulty))
            std::fprintf(stderr, "groundline: %s\n", problem.c_str());
    // A difficulty whose settings cannot be laid plays as Normal, and has no
    // save of its own to offer.
    const std::optional<SavedGame> saved =
        engine->difficulty == engine->options.difficulty ? keptSave(*engine) : std::nullopt;
    // A player coming back finds Continue chosen.
    const Choice chosen = menu.lines.empty() ? (saved ? Continue : Play) : choiceAt(menu.chosen);
    savedAt = saved ? saved->wave : 0;
    const bool hadContinue = choices.front() == Continue;
    if (saved && !hadContinue)
        choices.insert(choices.begin(), Continue);
    if (!saved && hadContinue)
        choices.erase(choices.begin());

    menu.lines.clear();
    for (const Choice choice : choices) {
        switch (choice) {
        case Continue:
            menu.lines.push_back({"Continue: Wave " + std::to_string(savedAt), ""});
            break;
        case Play:
            menu.lines.push_back({"Play", levelOf(engine->options.difficulty).caption});
            break;
        case HowToPlay:
            menu.lines.push_back({"How to Play", ""});
            break;
        case Options:
            menu.lines.push_back({"Options", ""});
            break;
        case Quit:
            menu.lines.push_back({"Quit", ""});
            break;
        }
    }
    // The choice stays on the line it was, wherever that line has moved.
    const auto line = std::find(choices.begin(), choices.end(), chosen);
    menu.chosen = line == choices.end() ? 0 : static_cast<int>(line - choices.begin());
}

void TitleScreen::draw() {
    BITMAP* canvas = engine->canvas->bitmap;
    drawBackdrop(clouds, canvas);
    drawHeading(canvas, *engine, kName, layout::kTitleNameY);
    menu.draw(canvas, *engine);
    if (choiceAt(menu.chosen) == Continue) {
        const std::string hint =
            "Goes on from the start of wave " + std::to_string(savedAt) + ", as it began";
        drawHint(canvas, *engine, hint.c_str());
        return;
    }
    drawHint(canvas, *engine, "Arrows choose, Enter plays, or click");
}
