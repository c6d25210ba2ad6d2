// A ".mz" image as the game loads it, through load_bitmap, and as glpack
// checks it. The checker must never pass a file that the loader refuses.

#include "FuzzHarness.h"
#include "gfx/AssetChecker.h"

#include "gfx/PackedImage.h"

#include <allegro.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setUpHeadless();
    const std::string path = writeScratchFile(data, size, ".mz");
    if (declaresHugeImage(path))
        return 0;

    BITMAP* image = load_bitmap(path.c_str(), nullptr);
    if (image) {
        if (static_cast<long>(image->w) * image->h > kMaxPackedImagePixels)
            std::abort();
        BITMAP* target = create_bitmap(32, 32);
        clear_to_color(target, makecol(255, 0, 255));
        draw_sprite(target, image, -image->w / 2, -image->h / 2);
        masked_blit(image, target, 0, 0, 3, 3, image->w, image->h);
        destroy_bitmap(target);
    }

    bool refused = false;
    for (const Problem& problem : AssetChecker().check(path, AssetChecker::Kind::Image))
        refused = refused || problem.refused;
    if (!image && !refused)
        std::abort();
    if (image)
        destroy_bitmap(image);
    return 0;
}
