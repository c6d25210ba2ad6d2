#include "effects/ArmourSparkEffect.h"

#include <allegro.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr double kLifetime = 0.3;
// How far the rays reach at the end, in pixels, and how long each is.
constexpr int kSoftenedReach = 6;
constexpr int kClinkReach = 7;
constexpr int kRayLength = 3;

// Unit steps of the rays: a softened hit throws its sparks up and aside, the
// clink all round.
struct Step {
    int dx, dy;
};
constexpr Step kSoftenedRays[] = {{-1, -1}, {1, -1}, {0, -1}};
constexpr Step kClinkRays[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1},
                               {0, -1},  {0, 1},  {-1, 0}, {1, 0}};

} // namespace

ArmourSparkEffect::ArmourSparkEffect(int x, int y, Kind kind) : x(x), y(y), kind(kind) {
    lifetime = kLifetime;
}

void ArmourSparkEffect::draw(BITMAP* bitmap) {
    if (!bitmap)
        return;
    const double share = std::clamp(age / lifetime, 0.0, 1.0);
    const bool clink = kind == TurnedAside;
    const int reach = 1 + static_cast<int>(share * (clink ? kClinkReach : kSoftenedReach));
    // White, then the palette's light grey (the clink) or yellow, then orange
    // (softened) as the sparks cool.
    const int hot = clink ? makecol(0xff, 0xf1, 0xe8) : makecol(0xff, 0xec, 0x27);
    const int cool = clink ? makecol(0xc2, 0xc3, 0xc7) : makecol(0xff, 0xa3, 0x00);
    const int colour = share < 0.5 ? hot : cool;
    const auto rays = [&](const Step* steps, int count) {
        for (int ray = 0; ray < count; ++ray)
            for (int along = std::max(1, reach - kRayLength); along <= reach; ++along)
                putpixel(bitmap, x + steps[ray].dx * along, y + steps[ray].dy * along, colour);
    };
    if (clink) {
        rays(kClinkRays, static_cast<int>(std::size(kClinkRays)));
        if (share < 0.5)
            putpixel(bitmap, x, y, hot);
    } else {
        rays(kSoftenedRays, static_cast<int>(std::size(kSoftenedRays)));
    }
}
