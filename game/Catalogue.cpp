// The catalogue: everything the game loads once at start-up and then only
// reads, kept in the engine's fields.

#include "app/Engine.h"
#include "effects/TextImage.h"
#include "game/TowerType.h"
#include "gfx/AssetChecker.h"
#include "gfx/BitmapFont.h"
#include "gfx/SpriteSheet.h"
#include "invaders/InvaderKind.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>
#include <utility>

namespace {

// How many animations the missile's sheet is drawn with.
constexpr unsigned kMissileDirections = 16;
// The icons strip holds each tower's icon over its greyed form.
constexpr int kIconSize = 16;
constexpr int kIconRows = 2;

std::string numbered(const char* pattern, int number) {
    char key[64];
    std::snprintf(key, sizeof key, pattern, number);
    return key;
}

// As many levels as there is room for pips under a tower.
constexpr int kMostUpgrades = 5;
// Each level at most this many times as fast again: far past any balance.
constexpr double kMostSpeedup = 10.0;

// A share of a wave's invaders, from none to all of them.
double readShare(const Settings& settings, const std::string& key) {
    const double share = settings.getReal(key);
    return std::isnan(share) ? 0.0 : std::clamp(share, 0.0, 1.0);
}

void readUpgrades(const Settings& settings, int n, TowerDef& def) {
    def.upgrades = std::clamp(settings.getInt(numbered("Tower%dUpgrades", n)), 0, kMostUpgrades);
    def.upgradeCost = settings.getInt(numbered("Tower%dUpgradeCost", n));
    def.upgradeDamage = settings.getDamage(numbered("Tower%dUpgradeDamage", n));
    const double speedup = settings.getReal(numbered("Tower%dUpgradeSpeedup", n));
    def.upgradeSpeedup = std::isnan(speedup) ? 0.0 : std::clamp(speedup, 0.0, kMostSpeedup);
    def.upgradeReach = settings.getRadius(numbered("Tower%dUpgradeReach", n));
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

// Why the reader gave nothing for the file, in its own words: where in the
// file and what it found there.
std::string refusal(const std::string& path, AssetChecker::Kind kind) {
    for (const Problem& problem : AssetChecker().check(path, kind)) {
        if (problem.refused)
            return (problem.where.empty() ? "" : problem.where + ": ") + problem.what;
    }
    return "not readable";
}

void checkImage(std::vector<std::string>& problems, const BITMAP* image, const std::string& path) {
    if (!image)
        problems.push_back(path + ": " + refusal(path, AssetChecker::Kind::Image));
}

void checkSheet(std::vector<std::string>& problems, const SpriteSheet* sheet,
                const std::string& name, const std::string& path, unsigned animationsNeeded) {
    if (!sheet || sheet->animationCount == 0) {
        problems.push_back(name + ": " + refusal(path, AssetChecker::Kind::Sheet));
        return;
    }
    if (sheet->animationCount < animationsNeeded) {
        problems.push_back(name + ": has " + std::to_string(sheet->animationCount) +
                           " animations, the game plays " + std::to_string(animationsNeeded));
    }
}

// A font may have as few glyphs as its maker likes: characters without one are
// skipped when drawn.
void checkFont(std::vector<std::string>& problems, const BitmapFont* font, const std::string& name,
               const std::string& path) {
    if (!font || !font->image)
        problems.push_back(name + ": " + refusal(path, AssetChecker::Kind::Font));
}

// The invader's pictures: its sheet, and the poof it may have of its own.
void loadInvaderSheets(Engine& engine, int kind) {
    const Settings& settings = engine.settings;
    InvaderDef& def = engine.invaderDefs[kind];
    const int n = invaderKinds()[kind].settingsNumber;
    const auto key = [n](const char* pattern) { return numbered(pattern, n); };
    // The squibble is every game's; the other kinds come with their keys.
    def.present = kind == 0 || !settings.get(key("Invader%dSprite")).empty();
    if (!def.present)
        return;
    def.sprite = loadSheet(engine, settings.get(key("Invader%dSprite")));
    const std::string poof = settings.get(key("Invader%dPoof"));
    def.poof = poof.empty() ? nullptr : loadSheet(engine, poof);
}

// Everything else the settings say of the invader: numbers and its name.
void readInvader(Engine& engine, int kind) {
    const Settings& settings = engine.settings;
    InvaderDef& def = engine.invaderDefs[kind];
    const int n = invaderKinds()[kind].settingsNumber;
    const auto key = [n](const char* pattern) { return numbered(pattern, n); };
    if (!def.present)
        return;
    def.value = settings.getInt(key("Invader%dValue"));
    def.health = settings.getInt(key("Invader%dHealth"));
    def.healthIncrease = settings.getReal(key("Invader%dHealthIncrease"));
    def.size = settings.getRadius(key("Invader%dSize"));

    def.name = settings.get(key("Invader%dName"));
    def.blurb = settings.get(key("Invader%dBlurb"));
    // Without the key an escape costs the one point a squibble's does.
    const int cost = settings.getInt(key("Invader%dEscapeCost"));
    def.escapeCost = cost > 0 ? cost : 1;
    def.armour = std::max(settings.getDamage(key("Invader%dArmour")), 0);
    def.firstWave = settings.getInt(key("Invader%dFirstWave"));
    def.share = readShare(settings, key("Invader%dShare"));
    def.speed = std::max(settings.getSpeed(key("Invader%dSpeed")), 0.0);
    def.longestWait = settings.getTime(key("Invader%dLongestWait"));
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

    towerDefs.assign(towerTypes().size(), TowerDef());
    for (size_t type = 0; type < towerDefs.size(); ++type) {
        const int n = towerTypes()[type].settingsNumber;
        towerDefs[type].sprite = loadSheet(*this, settings.get(numbered("Tower%dSprite", n)));
    }
    invaderDefs.assign(invaderKinds().size(), InvaderDef());
    for (size_t kind = 0; kind < invaderDefs.size(); ++kind)
        loadInvaderSheets(*this, static_cast<int>(kind));
    readDefinitions();

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

void Engine::readDefinitions() {
    for (size_t type = 0; type < towerDefs.size(); ++type) {
        TowerDef& def = towerDefs[type];
        const int n = towerTypes()[type].settingsNumber;
        def.name = settings.get(numbered("Tower%dName", n));
        def.blurb = settings.get(numbered("Tower%dBlurb", n));
        def.value = settings.getInt(numbered("Tower%dValue", n));
        def.width = settings.getPixels(numbered("Tower%dWidth", n));
        def.available = settings.getInt(numbered("Tower%dAvailable", n)) != 0;
        readUpgrades(settings, n, def);
    }
    for (size_t kind = 0; kind < invaderDefs.size(); ++kind)
        readInvader(*this, static_cast<int>(kind));
}

// Refuses only what the game would really read or draw. The medium laser and
// the first puff are loaded with the rest, but nothing ever shows them.
std::vector<std::string> Engine::checkCatalogue() const {
    // Files are named where they were looked for, which in a mod is not
    // data/; a file the settings name also gets its key.
    const auto fileOf = [this](const std::string& key) { return dataFile(settings.get(key)); };
    const auto named = [&fileOf](const std::string& key) { return key + " (" + fileOf(key) + ")"; };
    std::vector<std::string> problems;
    for (const auto& [font, key] : {std::pair{fontMain, "FontMain"},
                                    {fontMainRed, "FontMainRed"},
                                    {fontSmall, "FontSmall"},
                                    {fontSmallRed, "FontSmallRed"}})
        checkFont(problems, font, named(key), fileOf(key));

    checkImage(problems, background, dataFile("bg.mz"));
    checkImage(problems, redBar, dataFile("redbar.mz"));
    checkImage(problems, slots, dataFile("slots.mz"));
    checkImage(problems, icons, dataFile("icons.mz"));
    // Every build button cuts its icon from the strip: a row whose cell lies
    // past its end would draw whatever memory follows.
    if (icons) {
        for (const TowerType& row : towerTypes()) {
            if (row.iconCell < 0 || (row.iconCell + 1) * kIconSize > icons->w ||
                kIconRows * kIconSize > icons->h)
                problems.push_back(dataFile("icons.mz") + ": no icon in cell " +
                                   std::to_string(row.iconCell) + " for the " + row.reportName);
        }
    }
    checkImage(problems, upgradeIcons, dataFile("upgrade_icons.mz"));

    // A tower that cannot be built is never drawn; a modder who switches one
    // off may drop its sheet.
    for (size_t type = 0; type < towerDefs.size(); ++type) {
        if (!towerDefs[type].available)
            continue;
        const TowerType& row = towerTypes()[type];
        const std::string key = numbered("Tower%dSprite", row.settingsNumber);
        checkSheet(problems, towerDefs[type].sprite, named(key), fileOf(key), row.animations);
    }
    for (size_t kind = 0; kind < invaderDefs.size(); ++kind) {
        if (!invaderDefs[kind].present)
            continue;
        const InvaderKind& row = invaderKinds()[kind];
        const std::string key = numbered("Invader%dSprite", row.settingsNumber);
        checkSheet(problems, invaderDefs[kind].sprite, named(key), fileOf(key), row.animations);
        const std::string poof = numbered("Invader%dPoof", row.settingsNumber);
        if (invaderDefs[kind].poof)
            checkSheet(problems, invaderDefs[kind].poof, named(poof), fileOf(poof), 1);
        if (row.ownPace && !(invaderDefs[kind].speed > 0.0))
            problems.push_back(numbered("Invader%dSpeed", row.settingsNumber) + ": the " +
                               row.reportName + " need a speed above 0 to move at all");
    }

    checkImage(problems, laserSmall, dataFile("laser_small.mz"));
    for (int n = 1; n <= 5; ++n)
        checkImage(problems, cloudImages[n - 1], dataFile(numbered("cloud%d.mz", n)));

    for (const auto& [sheet, file, animations] : {std::tuple{poofSheet, "poof.sz", 1u},
                                                  {explosionSmallSheet, "explosion_small.sz", 1u},
                                                  {puff2Sheet, "puff2.sz", 1u},
                                                  {missileSheet, "missile.sz", kMissileDirections}})
        checkSheet(problems, sheet, dataFile(file), dataFile(file), animations);

    checkImage(problems, selector, dataFile("selector.mz"));
    return problems;
}
