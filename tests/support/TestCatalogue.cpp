#include "support/TestCatalogue.h"

#include "app/Engine.h"
#include "game/TowerType.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <vector>

namespace testCatalogue {

namespace {

const Rgb kMask{255, 0, 255};

struct Picture {
    int width, height;
    std::vector<Rgb> pixels;

    Picture(int width, int height, Rgb fill)
        : width(width), height(height), pixels(width * height, fill) {}

    void fill(int x, int y, int w, int h, Rgb colour) {
        for (int dy = 0; dy < h; ++dy)
            for (int dx = 0; dx < w; ++dx)
                pixels[(y + dy) * width + x + dx] = colour;
    }

    // A one-pixel outline with a transparent middle.
    void outline(int x, int y, int w, int h, Rgb colour) {
        fill(x, y, w, h, colour);
        fill(x + 1, y + 1, w - 2, h - 2, kMask);
    }

    Bytes bytes() const { return packedImageBytes(width, height, pixels); }
};

// 95 glyphs, codes 32 to 126, 19 to a row, border colour black.
Bytes fontBytes(Rgb ink) {
    const int columns = 19, rows = 5;
    Picture picture(1 + columns * (kGlyphWidth + 1), 1 + rows * (kGlyphHeight + 1), {0, 0, 0});
    for (int code = 0; code < 95; ++code)
        picture.fill(1 + (code % columns) * (kGlyphWidth + 1),
                     1 + (code / columns) * (kGlyphHeight + 1), kGlyphWidth, kGlyphHeight, ink);
    return picture.bytes();
}

// A sheet with one solid frame per animation.
Bytes sheetOf(int width, int height, const std::vector<Rgb>& animationColours) {
    const int count = static_cast<int>(animationColours.size());
    Picture picture(width * count, height, kMask);
    std::vector<SheetFrame> frames;
    std::vector<SheetAnimation> animations;
    for (int a = 0; a < count; ++a) {
        picture.fill(a * width, 0, width, height, animationColours[a]);
        frames.push_back({static_cast<unsigned>(a * width), 0, static_cast<unsigned>(width),
                          static_cast<unsigned>(height)});
        animations.push_back({8.0f, {static_cast<unsigned>(a)}});
    }
    return sheetBytes(picture.bytes(), frames, animations);
}

void writeFolder(const std::string& root) {
    const std::string data = root + "/data/";
    writeGzipFile(data + "font_main.mz", fontBytes(kMainInk));
    writeGzipFile(data + "font_main_red.mz", fontBytes(kMainRedInk));
    writeGzipFile(data + "font_small.mz", fontBytes(kSmallInk));
    writeGzipFile(data + "font_small_red.mz", fontBytes(kSmallRedInk));

    writeGzipFile(data + "bg.mz", Picture(320, 240, kBackground).bytes());
    for (int n = 1; n <= 5; ++n)
        writeGzipFile(data + "cloud" + std::to_string(n) + ".mz",
                      Picture(8 * n, 4, kCloud).bytes());

    Picture slots(4 * 19, 19, kMask);
    for (int cell = 0; cell < 4; ++cell)
        slots.outline(19 * cell, 0, 19, 19, kSlotColours[cell]);
    writeGzipFile(data + "slots.mz", slots.bytes());

    int cells = 0;
    for (const TowerType& row : towerTypes())
        cells = std::max(cells, row.iconCell + 1);
    Picture icons(16 * cells, 32, kMask);
    for (int type = 0; type < towerTypeCount(); ++type) {
        const int x = 16 * towerTypes()[type].iconCell;
        icons.fill(x, 0, 16, 16, iconColour(type, false));
        icons.fill(x, 16, 16, 16, iconColour(type, true));
    }
    writeGzipFile(data + "icons.mz", icons.bytes());
    Picture upgradeIcons(6 * 16, 16, kMask);
    for (int cell = 0; cell < 6; ++cell)
        upgradeIcons.fill(16 * cell, 0, 16, 16, upgradeIconColour(cell));
    writeGzipFile(data + "upgrade_icons.mz", upgradeIcons.bytes());

    Picture redBar(53, 20, kMask);
    redBar.fill(1, 1, 50, 7, kHealthFill);
    redBar.outline(0, 10, 53, 10, kHealthFrame);
    writeGzipFile(data + "redbar.mz", redBar.bytes());

    Picture selector(24, 24, kMask);
    selector.outline(0, 0, 24, 24, kSelector);
    writeGzipFile(data + "selector.mz", selector.bytes());
    writeGzipFile(data + "laser_small.mz", Picture(1, 4, {255, 255, 0}).bytes());
    writeGzipFile(data + "laser_medium.mz", Picture(2, 6, {255, 255, 0}).bytes());

    for (int type = 0; type < towerTypeCount(); ++type) {
        std::vector<Rgb> colours;
        const int animations = std::max(5, static_cast<int>(towerTypes()[type].animations));
        for (int a = 0; a < animations; ++a)
            colours.push_back(towerColour(type, a));
        writeGzipFile(data + "tower" + std::to_string(towerTypes()[type].settingsNumber) + ".sz",
                      sheetOf(towerWidth(type), kTowerHeight, colours));
    }
    writeGzipFile(
        data + "squibble.sz",
        sheetOf(14, 12, {invaderColour(0), invaderColour(1), invaderColour(2), invaderColour(3)}));
    for (const char* name : {"poof", "explosion_small", "puff1", "puff2"})
        writeGzipFile(data + name + ".sz", sheetOf(6, 6, {{220, 220, 220}}));
    std::vector<Rgb> directions(16, {255, 128, 0});
    writeGzipFile(data + "missile.sz", sheetOf(5, 5, directions));

    std::ofstream strings(std::filesystem::u8path(data + "strings.txt"));
    strings << "WindowTitle=Test\nTimestepThreshold=0\n"
               "FontMain=data/font_main.mz\nFontMainKerning=1\n"
               "FontMainRed=data/font_main_red.mz\nFontMainRedKerning=1\n"
               "FontSmall=data/font_small.mz\nFontSmallKerning=1\n"
               "FontSmallRed=data/font_small_red.mz\nFontSmallRedKerning=1\n"
               "TowerBaseline="
            << kTowerBaseline << "\nButtonSpacing=" << kButtonSpacing << "\n";
    const char* names[3] = {"Laser", "Missile", "Tesla"};
    for (int type = 0; type < towerTypeCount(); ++type) {
        const int n = towerTypes()[type].settingsNumber;
        strings << "Tower" << n << "Name=" << (type < 3 ? names[type] : "Tower") << "\nTower" << n
                << "Value=" << towerValue(type) << "\nTower" << n << "Sprite=data/tower" << n
                << ".sz\nTower" << n << "Width=" << kTowerFootprint << "\nTower" << n
                << "Available=1\n";
    }
    strings << "Invader1Value=5\nInvader1Sprite=data/squibble.sz\nInvader1Health=10\n"
               "Invader1HealthIncrease=2.5\nInvader1Size=7\n"
               "StartingHealth=20\nStartingMoney=100\nTimeBetweenWaves=5\n"
               "Wave1SpeedBase=10\nWave1SpeedIncrease=2\nWave1SpeedMax=30\n";
}

} // namespace

Rgb iconColour(int type, bool disabled) {
    const auto level = static_cast<unsigned char>(100 + 40 * type);
    return disabled ? Rgb{0, 0, level} : Rgb{0, level, 0};
}

Rgb upgradeIconColour(int cell) {
    return {200, 200, static_cast<unsigned char>(40 * cell)};
}

int towerValue(int type) {
    return type < 3 ? kTowerValues[type] : kTowerValues[2] + 20 * (type - 2);
}

int towerWidth(int type) {
    return type == 2 ? 24 : 16;
}

Rgb towerColour(int type, int animation) {
    return {static_cast<unsigned char>(60 + 60 * type), static_cast<unsigned char>(30 * animation),
            200};
}

Rgb invaderColour(int animation) {
    return {90, 90, static_cast<unsigned char>(30 + 50 * animation)};
}

std::string folder() {
    static const std::string root = [] {
        const std::string made = makeTempFolder();
        std::filesystem::create_directory(std::filesystem::u8path(made + "/data"));
        writeFolder(made);
        return made;
    }();
    return root;
}

void load() {
    EXPECT_EQ(Engine::instance().loadData(folder() + "/data"), std::vector<std::string>());
}

} // namespace testCatalogue
