// The catalogue: everything the game loads once at start-up and then only
// reads, kept in the engine's fields.

#include "app/Engine.h"
#include "effects/TextImage.h"
#include "gfx/BitmapFont.h"
#include "gfx/SpriteSheet.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>

namespace {

// How many animations each kind of sheet is drawn with.
constexpr unsigned kTowerAnimations[] = {3, 5, 2}; // laser fires in 2, missile turns in 2 to 4
constexpr unsigned kInvaderAnimations = 4;         // healthy, hit, damaged, hit while damaged
constexpr unsigned kMissileDirections = 16;

std::string numbered(const char* pattern, int number) {
    char key[64];
    std::snprintf(key, sizeof key, pattern, number);
    return key;
}

BitmapFont* loadFont(const Engine& engine, const char* fileKey, const char* kerningKey) {
    const Settings& settings = engine.settings;
    BitmapFont* font = new BitmapFont(engine.dataFile(settings.get(fileKey)));
    font->kerning = settings.getInt(kerningKey);
    return font;
}

BITMAP* loadImage(const Engine& engine, const std::string& fileName) {
    return load_bitmap(engine.dataFile(fileName).c_str(), nullptr);
}

SpriteSheet* loadSheet(const Engine& engine, const std::string& fileName) {
    return new SpriteSheet(engine.dataFile(fileName));
}

void checkImage(std::vector<std::string>& problems, const BITMAP* image, const std::string& name) {
    if (!image)
        problems.push_back(name + ": missing or not a readable image");
}

void checkSheet(std::vector<std::string>& problems, const SpriteSheet* sheet,
                const std::string& name, unsigned animationsNeeded) {
    if (!sheet || sheet->animationCount == 0) {
        problems.push_back(name + ": missing or not a readable sprite sheet");
        return;
    }
    if (sheet->animationCount < animationsNeeded) {
        problems.push_back(name + ": has " + std::to_string(sheet->animationCount) +
                           " animations, the game plays " + std::to_string(animationsNeeded));
    }
}

// A font may have as few glyphs as its maker likes: characters without one are
// skipped when drawn.
void checkFont(std::vector<std::string>& problems, const BitmapFont* font,
               const std::string& name) {
    if (!font || !font->image)
        problems.push_back(name + ": missing or not a readable font image");
}

} // namespace

void Engine::loadCatalogue() {
    fontMain = loadFont(*this, "FontMain", "FontMainKerning");
    fontMainRed = loadFont(*this, "FontMainRed", "FontMainRedKerning");
    fontSmall = loadFont(*this, "FontSmall", "FontSmallKerning");
    fontSmallRed = loadFont(*this, "FontSmallRed", "FontSmallRedKerning");

    background = loadImage(*this, "data/bg.mz");
    redBar = loadImage(*this, "data/redbar.mz");
    slots = loadImage(*this, "data/slots.mz");
    icons = loadImage(*this, "data/icons.mz");
    upgradeIcons = loadImage(*this, "data/upgrade_icons.mz");

    for (int n = 1; n <= 3; ++n) {
        TowerDef& def = towerDefs[n - 1];
        def.name = settings.get(numbered("Tower%dName", n));
        def.value = settings.getInt(numbered("Tower%dValue", n));
        def.sprite = loadSheet(*this, settings.get(numbered("Tower%dSprite", n)));
        def.width = settings.getPixels(numbered("Tower%dWidth", n));
        def.available = settings.getInt(numbered("Tower%dAvailable", n)) != 0;
    }

    InvaderDef& invader = invaderDefs[0];
    invader.value = settings.getInt("Invader1Value");
    invader.sprite = loadSheet(*this, settings.get("Invader1Sprite"));
    invader.health = settings.getInt("Invader1Health");
    invader.healthIncrease = settings.getReal("Invader1HealthIncrease");
    invader.size = settings.getRadius("Invader1Size");

    laserSmall = loadImage(*this, "data/laser_small.mz");
    laserMedium = loadImage(*this, "data/laser_medium.mz");
    for (int n = 1; n <= 5; ++n)
        cloudImages[n - 1] = loadImage(*this, numbered("data/cloud%d.mz", n));

    poofSheet = loadSheet(*this, "data/poof.sz");
    explosionSmallSheet = loadSheet(*this, "data/explosion_small.sz");
    puff1Sheet = loadSheet(*this, "data/puff1.sz");
    puff2Sheet = loadSheet(*this, "data/puff2.sz");
    missileSheet = loadSheet(*this, "data/missile.sz");

    selector = loadImage(*this, "data/selector.mz");

    towerBaseline = settings.getPixels("TowerBaseline");
    buttonSpacing = settings.getPixels("ButtonSpacing");

    gameOverCaption = renderTextImage(fontMainRed, "Game Over");
}

// Refuses only what the game would really read or draw. The medium laser and
// the first puff are loaded with the rest, but nothing ever shows them.
std::vector<std::string> Engine::checkCatalogue() const {
    std::vector<std::string> problems;
    checkFont(problems, fontMain, "FontMain (" + settings.get("FontMain") + ")");
    checkFont(problems, fontMainRed, "FontMainRed (" + settings.get("FontMainRed") + ")");
    checkFont(problems, fontSmall, "FontSmall (" + settings.get("FontSmall") + ")");
    checkFont(problems, fontSmallRed, "FontSmallRed (" + settings.get("FontSmallRed") + ")");

    checkImage(problems, background, "data/bg.mz");
    checkImage(problems, redBar, "data/redbar.mz");
    checkImage(problems, slots, "data/slots.mz");
    checkImage(problems, icons, "data/icons.mz");
    checkImage(problems, upgradeIcons, "data/upgrade_icons.mz");

    // A tower that cannot be built is never drawn; a modder who switches one
    // off may drop its sheet.
    for (int n = 1; n <= 3; ++n) {
        if (!towerDefs[n - 1].available)
            continue;
        const std::string key = numbered("Tower%dSprite", n);
        checkSheet(problems, towerDefs[n - 1].sprite, key + " (" + settings.get(key) + ")",
                   kTowerAnimations[n - 1]);
    }
    checkSheet(problems, invaderDefs[0].sprite,
               "Invader1Sprite (" + settings.get("Invader1Sprite") + ")", kInvaderAnimations);

    checkImage(problems, laserSmall, "data/laser_small.mz");
    for (int n = 1; n <= 5; ++n)
        checkImage(problems, cloudImages[n - 1], numbered("data/cloud%d.mz", n));

    checkSheet(problems, poofSheet, "data/poof.sz", 1);
    checkSheet(problems, explosionSmallSheet, "data/explosion_small.sz", 1);
    checkSheet(problems, puff2Sheet, "data/puff2.sz", 1);
    checkSheet(problems, missileSheet, "data/missile.sz", kMissileDirections);

    checkImage(problems, selector, "data/selector.mz");
    return problems;
}
