#include "invaders/Broodmother.h"

#include "game/Layout.h"
#include "gfx/SpritePlayer.h"

#include <allegro.h>

#include <algorithm>

namespace {
// The bar stands this far above her head, this high, its frame included.
constexpr int kBarGap = 2;
constexpr int kBarHeight = 4;
} // namespace

Broodmother::Broodmother(int kind, int waveNumber) : Squibble(kind, waveNumber) {}

void Broodmother::draw(BITMAP* bitmap) {
    Squibble::draw(bitmap);

    const int width = player->frameWidth();
    const int left = static_cast<int>(x);
    // Near the top, the bar stays clear of the wave readout and lies over
    // her body instead.
    const int top = std::max(static_cast<int>(y) - kBarGap - kBarHeight, layout::kBossBarHighest);
    const int right = left + width - 1;
    const int bottom = top + kBarHeight - 1;
    rectfill(bitmap, left, top, right, bottom, makecol(0x1d, 0x2b, 0x53));
    rectfill(bitmap, left + 1, top + 1, right - 1, bottom - 1, makecol(0x7e, 0x25, 0x53));
    const int inner = width - 2;
    const int filled =
        maxHealth > 0 ? static_cast<int>(1LL * inner * std::max(health, 0) / maxHealth) : 0;
    if (filled > 0)
        rectfill(bitmap, left + 1, top + 1, left + filled, bottom - 1, makecol(0xff, 0x00, 0x4d));
}
