#include "effects/BannerEffect.h"

#include "effects/TextImage.h"
#include "game/Layout.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kLifetime = 3.0;
// The band opens and closes from the middle over this long.
constexpr double kOpenTime = 0.25;
// The text shows while the band is open, dark for kBlinkOff of every kBlink.
constexpr double kBlink = 0.5;
constexpr double kBlinkOff = 0.12;
// Half the band's height: a line of the main font and a pixel of room.
constexpr int kHalfHeight = 7;
} // namespace

BannerEffect::BannerEffect(int y, const BitmapFont* font, const char* text)
    : y(y), image(renderTextImage(font, text)) {
    lifetime = kLifetime;
}

BannerEffect::~BannerEffect() {
    if (image)
        destroy_bitmap(image);
}

void BannerEffect::draw(BITMAP* bitmap) {
    if (!bitmap)
        return;
    const double opened = std::min({age / kOpenTime, (lifetime - age) / kOpenTime, 1.0});
    if (!(opened > 0.0))
        return;
    const int halfWidth = static_cast<int>(opened * layout::kCanvasWidth / 2);
    const int middle = layout::kCanvasWidth / 2;
    const int left = middle - halfWidth;
    const int right = middle + halfWidth - 1;
    rectfill(bitmap, left, y - kHalfHeight, right, y + kHalfHeight, makecol(0x1d, 0x2b, 0x53));
    hline(bitmap, left, y - kHalfHeight, right, makecol(0xff, 0x00, 0x4d));
    hline(bitmap, left, y + kHalfHeight, right, makecol(0xff, 0x00, 0x4d));

    const bool lit = opened >= 1.0 && std::fmod(age - kOpenTime, kBlink) >= kBlinkOff;
    if (lit && image)
        masked_blit(image, bitmap, 0, 0, middle - image->w / 2, y - kTextImageHeight / 2 + 1,
                    image->w, image->h);
}
