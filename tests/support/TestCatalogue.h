#pragma once

#include "support/PackedBytes.h"

#include <string>

// A small data/ folder made for tests, in which every picture is painted in
// colours of its own, so that a test can tell from one canvas pixel what was
// drawn there. load() reads it into the engine the way start-up does.
namespace testCatalogue {

// Fonts: every glyph is a solid 3 x 5 block in the font's colour.
constexpr Rgb kMainInk{255, 255, 255};
constexpr Rgb kMainRedInk{255, 0, 0};
constexpr Rgb kSmallInk{200, 200, 200};
constexpr Rgb kSmallRedInk{200, 0, 0};
constexpr int kGlyphWidth = 3;
constexpr int kGlyphHeight = 5;

constexpr Rgb kBackground{10, 20, 30};
constexpr Rgb kCloud{240, 240, 250};
// The four button frames' outlines; the middle of each frame is transparent.
constexpr Rgb kSlotColours[4] = {{50, 0, 100}, {100, 0, 100}, {150, 0, 100}, {200, 0, 100}};
// Tower icons: normal (0, 100 + 40 t, 0), disabled (0, 0, 100 + 40 t).
Rgb iconColour(int type, bool disabled);
// The upgrade strip's cells (demolish, upgrade, none left, used up, level
// pip, fast-forward) painted (200, 200, 40 c).
Rgb upgradeIconColour(int cell);
constexpr Rgb kDemolishIcon{200, 200, 0};
constexpr Rgb kHealthFill{250, 10, 10};
constexpr Rgb kHealthFrame{100, 0, 0};
constexpr Rgb kSelector{0, 255, 0};
// Tower sheets: frames 16 x 20 (24 x 20 for the tesla coil), animation a of
// tower type t painted (60 + 60 t, 30 a, 200).
constexpr int kTowerHeight = 20;
int towerWidth(int type);
Rgb towerColour(int type, int animation);
// Invader sheet: 14 x 12 frames, animation a painted (90, 90, 30 + 50 a).
Rgb invaderColour(int animation);

constexpr int kTowerBaseline = 214;
constexpr int kButtonSpacing = 20;
constexpr int kTowerValues[3] = {25, 40, 60};
// Those prices, and dearer ones for any tower the table has beyond them.
int towerValue(int type);
constexpr int kTowerFootprint = 16;

// Writes the folder (once per test program) and returns its path.
std::string folder();

// Chdirs into the folder, loads its strings.txt and the catalogue into the
// engine, and chdirs back. Call once per test program (the engine's
// catalogue lives until the process ends).
void load();

} // namespace testCatalogue
