// A ".sz" sheet as the game loads it, then played and drawn the way towers,
// invaders and effects do, at the times a hostile clock could give; and as
// glpack checks it, which must never pass a sheet the loader refuses.

#include "FuzzHarness.h"
#include "gfx/AssetChecker.h"

#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"

#include <allegro.h>

#include <cstdlib>
#include <limits>

namespace {

const float kTimes[] = {0.0f,
                        0.1f,
                        0.26f,
                        7.5f,
                        1e9f,
                        -0.3f,
                        -1e9f,
                        std::numeric_limits<float>::quiet_NaN(),
                        std::numeric_limits<float>::infinity()};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setUpHeadless();
    const std::string path = writeScratchFile(data, size, ".sz");
    if (declaresHugeImage(path))
        return 0;
    const SpriteSheet sheet(path);

    BITMAP* target = create_bitmap(48, 48);
    clear_to_color(target, makecol(255, 0, 255));
    // One past the last animation too: callers ask for numbers a sheet lacks.
    for (unsigned animation = 0; animation <= sheet.animationCount && animation < 64; ++animation)
        for (float time : kTimes)
            sheet.drawFrame(target, -4, 40, animation, time);

    SpritePlayer player(&sheet);
    player.playThen(1, 0);
    for (float dt : kTimes) {
        player.advance(dt);
        player.draw(target, 2, 2);
        if (player.frameWidth() < 0 || player.frameHeight() < 0)
            std::abort();
    }
    player.setAnimation(static_cast<int>(sheet.animationCount));
    player.draw(target, 0, 0);
    restingFrameWidth(&sheet);
    restingFrameHeight(&sheet);
    destroy_bitmap(target);

    bool refused = false;
    for (const Problem& problem : AssetChecker().check(path, AssetChecker::Kind::Sheet))
        refused = refused || problem.refused;
    if (!sheet.image && !refused)
        std::abort();
    return 0;
}
