#include "game/PlayfieldScreen.h"
#include "app/Engine.h"
#include "defences/Building.h"
#include "defences/Projectile.h"
#include "effects/BannerEffect.h"
#include "effects/Effect.h"
#include "effects/TextImage.h"
#include "game/Controls.h"
#include "game/Figures.h"
#include "game/GameSession.h"
#include "game/Layout.h"
#include "game/Meetings.h"
#include "game/Menu.h"
#include "game/TowerType.h"
#include "gfx/BitmapFont.h"
#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"
#include "invaders/Invader.h"
#include "invaders/InvaderKind.h"
#include "invaders/Wave.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using layout::kButtonX;
using layout::kButtonY;
using layout::kFirstButton;

// Holding Tab runs the whole game this many times as fast.
constexpr double kFastForward = 8.0;

constexpr int kSlotSize = 19;
constexpr int kIconSize = 16;
constexpr int kMenuTextRight = 317;
constexpr int kFirstLineY = 220;
constexpr int kSecondLineY = 229;
constexpr int kCancelLineY = 230;
// A build button's key label, from the top of the button.
constexpr int kKeyLabelY = 12;

// Cells of the selected tower's panel in the upgrade icons strip; the level
// pip sits at the top left of its cell.
constexpr int kDemolishCell = 0;
constexpr int kUpgradeCell = 1;
constexpr int kNoUpgradeCell = 2;
constexpr int kUsedUpCell = 3;
// Between what a level gives and its price on the panel's second line.
constexpr int kGainsGap = 6;
constexpr int kPipCell = 4;
constexpr int kPipSize = 4;
constexpr int kPipStep = 5;
// The fast-forward mark's cell in the same strip, at the top left of it.
constexpr int kFastForwardCell = 5;

// Colours the screen draws itself, from the palette: its white, its red
// for the muted mark's cross, and its darkest blue under the tesla ring.
struct Ink {
    int r, g, b;
};
constexpr Ink kPaletteWhite{0xff, 0xf1, 0xe8};
constexpr Ink kPaletteRed{0xff, 0x00, 0x4d};
constexpr Ink kPaletteDarkBlue{0x1d, 0x2b, 0x53};
// Round the pause caption on its panel.
constexpr int kPanelMargin = 4;
constexpr int kRingDotSpacing = 3;
constexpr double kTwoPi = 2.0 * 3.14159265358979323846;
// A ring wider than this passes nowhere near the playfield.
constexpr int kWidestRing = layout::kCanvasWidth + layout::kCanvasHeight;

// Cells of the button frames in the slots strip.
enum SlotCell { SlotNormal = 0, SlotHighlighted = 1, SlotDisabled = 2, SlotPressed = 3 };

// The status display along the bottom left.
constexpr int kStatusY = 220;
constexpr int kHealthBarX = 11;
constexpr int kHealthBarWidth = 50;
constexpr int kHealthBarHeight = 7;
constexpr int kHealthBarFrameWidth = 53;
constexpr int kHealthBarFrameHeight = 10;
constexpr int kMoneyY = 229;

// The game-over caption and the quit dialog, centred on the playfield.
constexpr int kCentreX = layout::kDialogCentreX;
constexpr int kCaptionY = 50;
constexpr int kWavesDefeatedY = 74;
constexpr int kQuitQuestionY = 90;

// The card of a kind met for the first time: its name, its picture, what
// it does, and how to go on, each a step further down the card.
constexpr int kCardNameY = 6;
constexpr int kCardPictureY = 18;
constexpr int kCardBlurbY = 52;
constexpr int kCardLineHeight = 8;
constexpr int kCardMargin = 8;
constexpr int kCardHintFromBottom = 10;
// The notes of a kind's banner stand in lines this wide.
constexpr int kBannerNotesWidth = layout::kCanvasWidth - 16;

// What one more level gives, as the panel words it: "damage +1, rate +10%".
std::string levelGains(const TowerDef& def, const Building& building) {
    std::string gains;
    const auto add = [&gains](const char* name, const std::string& amount) {
        gains += (gains.empty() ? "" : ", ") + std::string(name) + " +" + amount;
    };
    if (def.upgradeDamage > 0)
        add("damage", std::to_string(def.upgradeDamage));
    const long ratePercent = std::lround(100.0 * def.upgradeSpeedup);
    if (ratePercent > 0)
        add("rate", std::to_string(ratePercent) + "%");
    const long reach = std::lround(def.upgradeReach);
    if (building.reachName() && reach > 0)
        add(building.reachName(), std::to_string(reach));
    return gains;
}

void drawIcon(BITMAP* target, BITMAP* strip, int sourceX, int sourceY, int x, int y) {
    if (strip)
        masked_blit(strip, target, sourceX, sourceY, x, y, kIconSize, kIconSize);
}

void drawSlot(BITMAP* target, BITMAP* slots, SlotCell cell, int x, int y) {
    if (slots)
        masked_blit(slots, target, cell * kSlotSize, 0, x, y, kSlotSize, kSlotSize);
}

} // namespace

PlayfieldScreen::PlayfieldScreen(GameSession& game, bool introducesKinds)
    : Screen(*game.engine), game(game), namedInGame(invaderKindCount(), false) {
    for (int type = 0; type < towerTypeCount(); ++type)
        newTowers.push_back(makeBuilding(type));
    if (introducesKinds)
        meetings = std::make_unique<Meetings>(*engine);
}

PlayfieldScreen::~PlayfieldScreen() {
    for (Building* tower : newTowers)
        delete tower;
}

double PlayfieldScreen::step(double dt, bool fastForward) {
    // Paused frames pass no game time at all, so that nothing has moved when
    // play resumes; only the keys and clicks that end the pause are heard.
    fastForwarding = false;
    if (isPaused()) {
        handleInput();
        return 0.0;
    }
    fastForwarding = fastForward;
    const double gameTime = fastForward ? dt * kFastForward : dt;
    // The player acts on what this frame has moved and removed, before the
    // game looks at whether it is lost.
    game.advance(gameTime);
    handleInput();
    noticeNewKinds();
    game.endIfLost();
    noticeEnd();
    return gameTime;
}

bool PlayfieldScreen::isPaused() const {
    return !game.gameOver && (paused || mode == QuitDialog || cardKind >= 0);
}

void PlayfieldScreen::noticeNewKinds() {
    if (!game.wave || game.gameOver)
        return;
    for (const Invader* invader : game.wave->invaders) {
        const int kind = invader->kind;
        if (kind < 0 || kind >= static_cast<int>(namedInGame.size()) || namedInGame[kind])
            continue;
        // Still above the sky, it has not come yet.
        const int height = invader->player ? invader->player->frameHeight() : 0;
        if (invader->health <= 0 || invader->y + height <= 0)
            continue;
        namedInGame[kind] = true;
        const InvaderDef& def = engine->invaderDefs[kind];
        if (def.name.empty())
            continue;
        game.effects.push_back(new BannerEffect(
            layout::kKindBannerY, engine->fontMainRed, def.name.c_str(), engine->fontSmall,
            wrapText(*engine->fontSmall, def.blurb, kBannerNotesWidth)));
        // One card at a time: another kind new this frame waits for the
        // frame after this card.
        if (meetings && !def.blurb.empty() && !meetings->met(kind)) {
            meetings->meet(kind);
            cardKind = kind;
            return;
        }
    }
}

bool PlayfieldScreen::calm() const {
    return !game.gameOver && game.waveTimer >= 0.0 && game.projectiles.empty() &&
           game.effects.empty() && !fastForwarding;
}

void PlayfieldScreen::noticeEnd() {
    if (!game.gameOver || lostSeen)
        return;
    lostSeen = true;
    mode = QuitDialog;
    paused = false;
}

bool PlayfieldScreen::placementFits() const {
    return game.fits(placingType, engine->mouseX);
}

void PlayfieldScreen::placeBuilding() {
    if (!game.build(placingType, engine->mouseX))
        return;
    if (game.money < engine->towerDefs[placingType].value)
        mode = Idle;
}

void PlayfieldScreen::demolishSelected() {
    if (!selectedBuilding)
        return;
    game.demolish(selectedBuilding);
    selectedBuilding = nullptr;
    mode = Idle;
}

bool PlayfieldScreen::canUpgradeSelected() const {
    return selectedBuilding && game.canUpgrade(selectedBuilding);
}

void PlayfieldScreen::upgradeSelected() {
    if (selectedBuilding)
        game.upgrade(selectedBuilding);
}

bool PlayfieldScreen::chooseTower(int type) {
    if (!game.canBuy(type))
        return false;
    placingType = type;
    mode = Placing;
    selectedBuilding = nullptr;
    engine->sound->play(SoundEffect::Click,
                        layout::buildButton(type, engine->buttonSpacing).centreX());
    return true;
}

void PlayfieldScreen::draw() {
    BITMAP* canvas = engine->canvas->bitmap;
    drawBackdrop(game.clouds, canvas);
    for (Projectile* projectile : game.projectiles)
        projectile->draw(canvas);
    // Towers cover the projectiles they have just fired.
    for (Building* building : game.buildings)
        building->draw(canvas);
    drawLevels();
    if (game.wave)
        game.wave->drawAll(canvas);
    for (Effect* effect : game.effects)
        effect->draw(canvas);

    if (game.gameOver)
        drawGameOver();
    // The strip stays at the end, so that the final money, health and wave
    // can still be read.
    drawStatus();
    drawMarks();
    panelTextLeft = layout::kCanvasWidth;
    if (!game.gameOver) {
        switch (mode) {
        case Idle:
            drawBuildButtons();
            break;
        case Placing:
            drawPlacing();
            break;
        case BuildingSelected:
            drawSelection();
            break;
        case QuitDialog:
            break;
        }
    }
    if (panelTextLeft >= layout::kPanelTextLeft)
        drawReadout();
    if (paused && mode != QuitDialog && !game.gameOver)
        drawPausedCaption();
    if (mode == QuitDialog)
        drawQuitDialog();
    if (cardKind >= 0)
        drawCard();
    if (game.debugOverlay)
        drawDebugTexts();
}

void PlayfieldScreen::drawStatus() {
    BITMAP* canvas = engine->canvas->bitmap;
    engine->fontMain->drawText(canvas, 2, kStatusY, "#");
    if (engine->redBar) {
        masked_blit(engine->redBar, canvas, 0, kHealthBarFrameHeight, kHealthBarX, kStatusY,
                    kHealthBarFrameWidth, kHealthBarFrameHeight);
        // Widened: health times the bar's width leaves an int once the
        // starting health passes some 42 million.
        const int fill = game.maxHealth > 0 ? static_cast<int>(static_cast<long long>(game.health) *
                                                               kHealthBarWidth / game.maxHealth)
                                            : 0;
        masked_blit(engine->redBar, canvas, 1, 1, kHealthBarX + 1, kStatusY + 1, fill,
                    kHealthBarHeight);
    }
    engine->fontSmall->drawTextCentredf(canvas, 36, kStatusY + 1, "%d", game.health);
    engine->fontMain->drawTextf(canvas, 2, kMoneyY, "$ %d", game.money);
}

void PlayfieldScreen::drawReadout() {
    BITMAP* canvas = engine->canvas->bitmap;
    engine->fontMain->drawTextf(canvas, layout::kReadoutLeft, layout::kWaveReadoutY, "Wave %d",
                                game.waveNumber);
    engine->fontMain->drawTextf(canvas, layout::kReadoutLeft, layout::kBestReadoutY, "Best %d",
                                game.bestWaves());
}

void PlayfieldScreen::drawMarks() {
    BITMAP* canvas = engine->canvas->bitmap;
    if (fastForwarding)
        drawIcon(canvas, engine->upgradeIcons, kIconSize * kFastForwardCell, 0,
                 layout::kFastForwardMark.x, layout::kFastForwardMark.y);
    if (!engine->sound->muted())
        return;
    // A speaker, crossed out.
    const int x = layout::kMutedMark.x;
    const int y = layout::kMutedMark.y;
    const int white = makecol(kPaletteWhite.r, kPaletteWhite.g, kPaletteWhite.b);
    const int red = makecol(kPaletteRed.r, kPaletteRed.g, kPaletteRed.b);
    rectfill(canvas, x, y + 3, x + 1, y + 5, white);
    triangle(canvas, x + 2, y + 4, x + 4, y + 1, x + 4, y + 7, white);
    line(canvas, x + 6, y + 2, x + 9, y + 6, red);
    line(canvas, x + 6, y + 6, x + 9, y + 2, red);
}

void PlayfieldScreen::drawPausedCaption() {
    BITMAP* canvas = engine->canvas->bitmap;
    const char* text = "Paused";
    BITMAP* caption = renderTextImage(engine->fontMain, text);
    // Round the doubled glyphs, whose image runs on past the last kerning.
    const int left = kCentreX - caption->w - kPanelMargin;
    const int right = kCentreX - caption->w + 2 * engine->fontMain->textWidth(text) + kPanelMargin;
    drawPanel(canvas, left, layout::kPausedCaptionY - kPanelMargin, right,
              layout::kPausedCaptionY + 2 * caption->h + kPanelMargin - 1);
    masked_stretch_blit(caption, canvas, 0, 0, caption->w, caption->h, kCentreX - caption->w,
                        layout::kPausedCaptionY, 2 * caption->w, 2 * caption->h);
    destroy_bitmap(caption);
}

void PlayfieldScreen::drawCard() {
    BITMAP* canvas = engine->canvas->bitmap;
    const InvaderDef& def = engine->invaderDefs[cardKind];
    const layout::Rect& card = layout::kCard;
    drawPanel(canvas, card.x, card.y, card.x + card.width - 1, card.y + card.height - 1);
    engine->fontMainRed->drawTextCentred(canvas, kCentreX, card.y + kCardNameY, def.name.c_str());
    if (def.sprite)
        def.sprite->drawFrame(canvas, kCentreX - restingFrameWidth(def.sprite) / 2,
                              card.y + kCardPictureY, 0, 0.0f);
    int y = card.y + kCardBlurbY;
    for (const std::string& line :
         wrapText(*engine->fontSmall, def.blurb, card.width - 2 * kCardMargin)) {
        engine->fontSmall->drawTextCentred(canvas, kCentreX, y, line.c_str());
        y += kCardLineHeight;
    }
    engine->fontSmallRed->drawTextCentred(
        canvas, kCentreX, card.y + card.height - kCardHintFromBottom, "Any key or click goes on");
}

void PlayfieldScreen::drawGameOver() {
    BITMAP* canvas = engine->canvas->bitmap;
    greyOut(canvas);
    const layout::Rect& panel = layout::kGameOverPanel;
    drawPanel(canvas, panel.x, panel.y, panel.x + panel.width - 1, panel.y + panel.height - 1);
    BITMAP* caption = engine->gameOverCaption;
    if (caption)
        masked_stretch_blit(caption, canvas, 0, 0, caption->w, caption->h, kCentreX - caption->w,
                            kCaptionY, 2 * caption->w, 2 * caption->h);
    engine->fontSmallRed->drawTextCentredf(canvas, kCentreX, kWavesDefeatedY, "Waves Defeated: %d",
                                           game.wavesDefeated());
    if (game.wavesDefeated() > game.bestBefore)
        engine->fontMain->drawTextCentred(canvas, kCentreX, layout::kGameOverBestY, "New Best!");
    else
        engine->fontSmall->drawTextCentredf(canvas, kCentreX, layout::kGameOverBestY, "Best: %d",
                                            game.bestWaves());
}

void PlayfieldScreen::drawBuildButtons() {
    BITMAP* canvas = engine->canvas->bitmap;
    const int spacing = engine->buttonSpacing;
    for (int type = 0; type < towerTypeCount(); ++type) {
        const TowerDef& def = engine->towerDefs[type];
        const layout::Rect button = layout::buildButton(type, spacing);
        const int x = button.x;
        const bool hover = engine->mouseInRect(button);
        const bool usable = def.available && def.value <= game.money;
        const SlotCell cell = !usable      ? SlotDisabled
                              : !hover     ? SlotNormal
                              : leftHeld() ? SlotPressed
                                           : SlotHighlighted;
        const int iconX = kIconSize * towerTypes()[type].iconCell;

        // The icon under the frame too, so it shows through the frame's
        // transparent middle whichever cell is drawn over it.
        drawIcon(canvas, engine->icons, iconX, 0, x + 1, kButtonY + 1);
        drawSlot(canvas, engine->slots, cell, x, kButtonY);
        if (cell == SlotDisabled)
            drawIcon(canvas, engine->icons, iconX, kIconSize, x + 1, kButtonY + 1);
        else if (cell == SlotPressed)
            drawIcon(canvas, engine->icons, iconX, 0, x + 2, kButtonY + 2);
        else
            drawIcon(canvas, engine->icons, iconX, 0, x + 1, kButtonY + 1);
        // Its key in the corner, since the keys count from the right.
        engine->fontSmall->drawTextRight(canvas, x + kSlotSize - 1, kButtonY + kKeyLabelY,
                                         keyLabel(towerTypes()[type].key).c_str());

        if (!hover)
            continue;
        const int textRight = kMenuTextRight - towerTypeCount() * spacing;
        drawPanelText(engine->fontMain, textRight, kFirstLineY, def.name);
        if (!def.available) {
            drawPanelText(engine->fontMainRed, textRight, kSecondLineY, "Not Available");
        } else {
            const BitmapFont* font =
                def.value > game.money ? engine->fontMainRed : engine->fontMain;
            drawPanelText(font, textRight, kSecondLineY, "$" + std::to_string(def.value));
        }
    }
}

void PlayfieldScreen::drawPlacing() {
    BITMAP* canvas = engine->canvas->bitmap;
    const TowerDef& def = engine->towerDefs[placingType];
    if (newTowers[placingType])
        drawStrikeRing(*newTowers[placingType], engine->mouseX);
    if (def.sprite) {
        const unsigned look = placementFits() ? 0 : 1; // 1: the blocked-place look
        def.sprite->drawFrame(canvas, engine->mouseX - restingFrameWidth(def.sprite) / 2,
                              engine->towerBaseline - restingFrameHeight(def.sprite), look, 0.0f);
    }

    drawSlot(canvas, engine->slots, SlotHighlighted, kButtonX, kButtonY);
    drawIcon(canvas, engine->icons, kIconSize * towerTypes()[placingType].iconCell, 0, kButtonX + 1,
             kButtonY + 1);

    const int textRight = kMenuTextRight - engine->buttonSpacing;
    drawPanelText(engine->fontMain, textRight, kFirstLineY,
                  "Placing " + def.name + " - $" + std::to_string(def.value));
    // A finger has no right button; the page has a Cancel button for it.
    drawPanelText(engine->fontSmall, textRight, kCancelLineY,
                  engine->platform->lastInputByTouch() ? "Tap Cancel to put it back"
                                                       : "Right click to cancel");
}

void PlayfieldScreen::drawSelection() {
    BITMAP* canvas = engine->canvas->bitmap;
    const Building* building = selectedBuilding;
    if (!building)
        return;
    if (engine->selector) {
        BITMAP* selector = engine->selector;
        const int x = building->x + restingFrameWidth(building->sheet) / 2 - selector->w / 2;
        const int y =
            engine->towerBaseline - restingFrameHeight(building->sheet) / 2 - selector->h / 2;
        masked_blit(selector, canvas, 0, 0, x, y, selector->w, selector->h);
    }
    drawStrikeRing(*building, building->x + restingFrameWidth(building->sheet) / 2);

    const TowerDef& def = engine->towerDefs[building->type];
    const bool upgrades = def.upgrades > 0;
    const int textRight = kMenuTextRight - (upgrades ? 2 : 1) * engine->buttonSpacing;
    if (drawPanelButton(kFirstButton, kDemolishCell, true)) {
        drawPanelText(engine->fontMain, textRight, kFirstLineY, "Demolish Building");
        drawPanelText(engine->fontMain, textRight, kSecondLineY,
                      "+$" + std::to_string(def.paidFor(building->level) / 2));
        return;
    }
    const bool usedUp = building->level >= def.upgrades;
    const int cost = def.levelCost(building->level + 1);
    const int cell = usedUp ? kUsedUpCell : canUpgradeSelected() ? kUpgradeCell : kNoUpgradeCell;
    if (!upgrades || !drawPanelButton(layout::upgradeButton(engine->buttonSpacing), cell,
                                      cell == kUpgradeCell)) {
        drawFigures(*building);
        return;
    }
    if (usedUp) {
        drawPanelText(engine->fontMain, textRight, kFirstLineY, "Fully Upgraded");
        return;
    }
    drawPanelText(engine->fontMain, textRight, kFirstLineY,
                  "Upgrade to Level " + std::to_string(building->level + 1));
    const BitmapFont* font = cost > game.money ? engine->fontMainRed : engine->fontMain;
    drawPanelText(font, textRight, kSecondLineY, "$" + std::to_string(cost));
    const std::string gains = levelGains(def, *building);
    const int gainsRight = textRight - font->textWidthf("$%d", cost) - kGainsGap;
    drawPanelText(engine->fontMain, gainsRight, kSecondLineY, gains);
}

void PlayfieldScreen::drawFigures(const Building& building) {
    const TowerDef& def = engine->towerDefs[building.type];
    const int textRight = kMenuTextRight - (def.upgrades > 0 ? 2 : 1) * engine->buttonSpacing;
    // The reach goes with the name, so that each line stays short enough
    // to leave the health and the money be.
    std::string first = def.name;
    if (def.upgrades > 0)
        first +=
            ", Level " + std::to_string(building.level) + " of " + std::to_string(def.upgrades);
    const std::string reach = reachFigure(building);
    if (!reach.empty())
        first += ", " + reach;
    drawPanelText(engine->fontMain, textRight, kFirstLineY, first);
    drawPanelText(engine->fontMain, textRight, kSecondLineY, shotFigures(*engine, building));
}

void PlayfieldScreen::drawPanelText(const BitmapFont* font, int right, int y,
                                    const std::string& text) {
    font->drawTextRight(engine->canvas->bitmap, right, y, text.c_str());
    panelTextLeft = std::min(panelTextLeft, right - font->textWidth(text.c_str()));
}

void PlayfieldScreen::drawStrikeRing(const Building& building, int centreX) {
    const Building::Circle circle = building.strikeCircle(centreX);
    if (circle.radius <= 0 || circle.radius > kWidestRing)
        return;
    BITMAP* canvas = engine->canvas->bitmap;
    // A dot every few pixels of the rim, each with a dark one under it, so
    // that the ring reads over the sky and the ground alike without hiding
    // what it passes over; as many in each quarter, so that it is as even as
    // the circle it stands for.
    const int dots =
        4 * std::max(2, static_cast<int>(kTwoPi * circle.radius / (4 * kRingDotSpacing)));
    const int light = makecol(kPaletteWhite.r, kPaletteWhite.g, kPaletteWhite.b);
    const int dark = makecol(kPaletteDarkBlue.r, kPaletteDarkBlue.g, kPaletteDarkBlue.b);
    for (int dot = 0; dot < dots; ++dot) {
        const double angle = kTwoPi * dot / dots;
        const int x = circle.x + static_cast<int>(std::lround(circle.radius * std::cos(angle)));
        const int y = circle.y + static_cast<int>(std::lround(circle.radius * std::sin(angle)));
        // The coil strikes nothing under the ground; the strip stays clear.
        if (y >= engine->towerBaseline)
            continue;
        putpixel(canvas, x, y + 1, dark);
        putpixel(canvas, x, y, light);
    }
}

bool PlayfieldScreen::drawPanelButton(const layout::Rect& button, int iconCell, bool usable) {
    BITMAP* canvas = engine->canvas->bitmap;
    const bool hover = engine->mouseInRect(button);
    const SlotCell cell = !usable      ? SlotDisabled
                          : !hover     ? SlotNormal
                          : leftHeld() ? SlotPressed
                                       : SlotHighlighted;
    const int inset = cell == SlotPressed ? 2 : 1;
    drawSlot(canvas, engine->slots, cell, button.x, button.y);
    drawIcon(canvas, engine->upgradeIcons, kIconSize * iconCell, 0, button.x + inset,
             button.y + inset);
    return hover;
}

void PlayfieldScreen::drawLevels() {
    BITMAP* canvas = engine->canvas->bitmap;
    for (const Building* building : game.buildings) {
        if (building->level <= 0 || !building->player)
            continue;
        const int left = static_cast<int>(building->centreX()) - building->level * kPipStep / 2;
        for (int pip = 0; pip < building->level; ++pip)
            if (engine->upgradeIcons)
                masked_blit(engine->upgradeIcons, canvas, kIconSize * kPipCell, 0,
                            left + pip * kPipStep, engine->towerBaseline + 1, kPipSize, kPipSize);
    }
}

void PlayfieldScreen::drawQuitDialog() {
    BITMAP* canvas = engine->canvas->bitmap;
    // The lost game's question stands on the game-over panel already.
    const layout::Rect& panel = layout::kDialogPanel;
    if (!game.gameOver)
        drawPanel(canvas, panel.x, panel.y, panel.x + panel.width - 1, panel.y + panel.height - 1);
    engine->fontSmall->drawTextCentred(canvas, kCentreX, kQuitQuestionY,
                                       game.gameOver ? "Play Again?" : "Quit Game?");
    const bool overYes = engine->mouseInRect(layout::kYesAnswer);
    const bool overNo = engine->mouseInRect(layout::kNoAnswer);
    (overYes ? engine->fontMainRed : engine->fontMain)
        ->drawTextCentred(canvas, kCentreX, layout::kYesAnswer.y, "Yes");
    (overNo ? engine->fontMainRed : engine->fontMain)
        ->drawTextCentred(canvas, kCentreX, layout::kNoAnswer.y, "No");
}

void PlayfieldScreen::drawDebugTexts() {
    BITMAP* canvas = engine->canvas->bitmap;
    engine->fontSmall->drawTextf(canvas, 2, 2, "Time: %.01f", engine->lastFrameTime.load());
    engine->fontSmall->drawTextf(canvas, 2, 10, "Projectiles: %d",
                                 static_cast<int>(game.projectiles.size()));
    engine->fontSmall->drawTextf(canvas, 2, 18, "Effects: %d",
                                 static_cast<int>(game.effects.size()));
}

void PlayfieldScreen::handleInput() {
    if (cardKind >= 0) {
        // Any key or click puts the card away, and does nothing else.
        const bool key = engine->platform->keyPressed();
        if (key)
            engine->platform->readKey();
        if (key || leftClick() || rightClick())
            cardKind = -1;
        return;
    }
    handleKey();
    if (!game.gameOver && !isPaused()) {
        if ((mode == Idle || mode == BuildingSelected) && leftClick())
            selectClickedBuilding();
        handleModeClicks();
    }
    if (mode == QuitDialog && leftClick())
        handleDialog();
}

void PlayfieldScreen::handleKey() {
    // One key a frame; any others wait for the frames after.
    if (!engine->platform->keyPressed())
        return;
    const int scanCode = engine->platform->readKey() >> 8;
    // Either question takes its answer from the keys as from a click.
    const bool dialogAsks = mode == QuitDialog;
    // Once the game is lost, "Play Again?" is the only question left:
    // Escape closing it would leave a grey screen that asks nothing.
    if (scanCode == KEY_ESC && !game.gameOver)
        mode = mode == QuitDialog ? Idle : QuitDialog;
    else if (scanCode == KEY_D)
        game.debugOverlay = !game.debugOverlay;
    else if (scanCode == KEY_M)
        engine->toggleMute();
    else if ((scanCode == KEY_P || scanCode == KEY_PAUSE) && !game.gameOver)
        paused = !paused;
    else if (dialogAsks &&
             (scanCode == KEY_ENTER || scanCode == KEY_ENTER_PAD || scanCode == KEY_Y))
        answerYes();
    else if (dialogAsks && scanCode == KEY_N)
        answerNo();
    else if (!game.gameOver && !isPaused())
        handlePlayKey(scanCode);
}

void PlayfieldScreen::handlePlayKey(int scanCode) {
    for (int type = 0; type < towerTypeCount(); ++type)
        if (scanCode == towerTypes()[type].key)
            chooseTower(type);
    if (mode != BuildingSelected)
        return;
    if (scanCode == KEY_U)
        upgradeSelected();
    else if (scanCode == KEY_DEL)
        demolishSelected();
}

void PlayfieldScreen::selectClickedBuilding() {
    for (Building* building : game.buildings) {
        const int height = building->player ? building->player->frameHeight() : 0;
        const int width = engine->towerDefs[building->type].width;
        if (engine->mouseInRect(building->x, engine->towerBaseline - height, width, height)) {
            selectedBuilding = building;
            mode = BuildingSelected;
            return;
        }
    }
}

void PlayfieldScreen::handleModeClicks() {
    switch (mode) {
    case Idle:
        if (!leftClick())
            break;
        for (int type = 0; type < towerTypeCount(); ++type)
            if (engine->mouseInRect(layout::buildButton(type, engine->buttonSpacing)) &&
                chooseTower(type))
                break;
        break;
    case Placing:
        // The button that shows the chosen tower puts it back; the rest of
        // the strip is no place for a tower.
        if (rightClick() || (leftClick() && engine->mouseInRect(kFirstButton)))
            mode = Idle;
        else if (game.money < engine->towerDefs[placingType].value)
            mode = Idle;
        else if (leftClick() && engine->mouseY < layout::kStripTop && placementFits())
            placeBuilding();
        break;
    case BuildingSelected:
        if (rightClick())
            mode = Idle;
        else if (leftClick() && engine->mouseInRect(kFirstButton))
            demolishSelected();
        else if (leftClick() && canUpgradeSelected() &&
                 engine->mouseInRect(layout::upgradeButton(engine->buttonSpacing)))
            upgradeSelected();
        break;
    case QuitDialog:
        break;
    }
}

void PlayfieldScreen::handleDialog() {
    if (engine->mouseInRect(layout::kYesAnswer))
        answerYes();
    else if (engine->mouseInRect(layout::kNoAnswer))
        answerNo();
}

void PlayfieldScreen::answerYes() {
    next = game.gameOver ? Next::Play : Next::Quit;
}

void PlayfieldScreen::answerNo() {
    if (game.gameOver) {
        next = Next::Quit;
        return;
    }
    mode = Idle;
    engine->sound->play(SoundEffect::Click, layout::kNoAnswer.centreX());
}
