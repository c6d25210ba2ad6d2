#include "game/HowToPlayScreen.h"

#include "app/Engine.h"
#include "defences/Building.h"
#include "game/Controls.h"
#include "game/Figures.h"
#include "game/Menu.h"
#include "game/TowerType.h"
#include "gfx/BitmapFont.h"
#include "gfx/SpriteSheet.h"

#include <allegro.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr int kHeadingY = 8;
constexpr int kPlateLeft = 4;
constexpr int kPlateTop = 34;
constexpr int kPlateBottom = 212;

// The controls: keys right-aligned in a column, what they do beside them.
constexpr int kFirstLineY = 40;
constexpr int kLineHeight = 15;
constexpr int kKeysRight = 96;
constexpr int kActionLeft = 104;

// A tower's or kind's page: its picture in a column of its own, its name,
// its figures and what it is for beside it.
constexpr int kPictureCentreX = 34;
constexpr int kPictureTop = 48;
constexpr int kTextLeft = 68;
constexpr int kNameY = 44;
constexpr int kFiguresY = 58;
constexpr int kBlurbY = 74;
constexpr int kBlurbLineHeight = 10;
constexpr int kTextRightMargin = 10;

} // namespace

HowToPlayScreen::HowToPlayScreen(Engine& engine) : Screen(engine), clouds(makeClouds()) {
    pages.push_back({Page::Controls, 0});
    for (int type = 0; type < static_cast<int>(engine.towerDefs.size()); ++type)
        if (!engine.towerDefs[type].blurb.empty())
            pages.push_back({Page::Tower, type});
    for (int kind = 0; kind < static_cast<int>(engine.invaderDefs.size()); ++kind)
        if (engine.invaderDefs[kind].present && !engine.invaderDefs[kind].blurb.empty())
            pages.push_back({Page::Invader, kind});
}

void HowToPlayScreen::update(double dt, bool) {
    driftClouds(clouds, dt);
    const int scanCode = takeKey();
    const int last = static_cast<int>(pages.size()) - 1;
    if (scanCode == KEY_M) {
        engine->toggleMute();
    } else if (scanCode == KEY_ESC) {
        next = Next::Title;
    } else if (scanCode == KEY_LEFT || scanCode == KEY_PGUP || rightClick()) {
        page = std::max(page - 1, 0);
    } else if (scanCode == KEY_RIGHT || scanCode == KEY_PGDN || scanCode == KEY_SPACE ||
               scanCode == KEY_ENTER || scanCode == KEY_ENTER_PAD || leftClick()) {
        if (page >= last)
            next = Next::Title;
        else
            ++page;
    }
}

void HowToPlayScreen::draw() {
    BITMAP* canvas = engine->canvas->bitmap;
    drawBackdrop(clouds, canvas);
    drawHeading(canvas, *engine, "How to Play", kHeadingY);
    drawPanel(canvas, kPlateLeft, kPlateTop, layout::kCanvasWidth - 1 - kPlateLeft, kPlateBottom);
    const Page& shown = pages[page];
    switch (shown.subject) {
    case Page::Controls:
        drawControls();
        break;
    case Page::Tower:
        drawTower(shown.index);
        break;
    case Page::Invader:
        drawInvader(shown.index);
        break;
    }
    const std::string hint = "Page " + std::to_string(page + 1) + " of " +
                             std::to_string(pages.size()) +
                             ": Right or click turns on, Left back, Escape leaves";
    drawHint(canvas, *engine, hint.c_str());
}

void HowToPlayScreen::drawControls() {
    BITMAP* canvas = engine->canvas->bitmap;
    int y = kFirstLineY;
    for (const Control& control : controls()) {
        engine->fontMainRed->drawTextRight(canvas, kKeysRight, y, control.keys.c_str());
        engine->fontSmall->drawText(canvas, kActionLeft, y + 1, control.action.c_str());
        y += kLineHeight;
    }
}

void HowToPlayScreen::drawTower(int type) {
    const TowerDef& def = engine->towerDefs[type];
    // A new tower's figures are the ones the settings give a tower at level 0.
    const std::unique_ptr<Building> tower(makeBuilding(type));
    std::string figures = "$" + std::to_string(def.value);
    if (tower) {
        figures += ", " + shotFigures(*engine, *tower);
        const std::string reach = reachFigure(*tower);
        if (!reach.empty())
            figures += ", " + reach;
    }
    drawEntry(def.sprite, def.name, figures, def.blurb);
}

void HowToPlayScreen::drawInvader(int kind) {
    const InvaderDef& def = engine->invaderDefs[kind];
    drawEntry(def.sprite, def.name, kindFigures(def), def.blurb);
}

void HowToPlayScreen::drawEntry(const SpriteSheet* picture, const std::string& name,
                                const std::string& figures, const std::string& blurb) {
    BITMAP* canvas = engine->canvas->bitmap;
    if (picture)
        picture->drawFrame(canvas, kPictureCentreX - restingFrameWidth(picture) / 2, kPictureTop, 0,
                           0.0f);
    engine->fontMainRed->drawText(canvas, kTextLeft, kNameY, name.c_str());
    const int width = layout::kCanvasWidth - kPlateLeft - kTextRightMargin - kTextLeft;
    int y = kFiguresY;
    for (const std::string& line : wrapText(*engine->fontSmall, figures, width)) {
        engine->fontSmall->drawText(canvas, kTextLeft, y, line.c_str());
        y += kBlurbLineHeight;
    }
    y = std::max(y + kBlurbLineHeight / 2, kBlurbY);
    for (const std::string& line : wrapText(*engine->fontMain, blurb, width)) {
        engine->fontMain->drawText(canvas, kTextLeft, y, line.c_str());
        y += kBlurbLineHeight;
    }
}
