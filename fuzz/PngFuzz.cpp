// A PNG strip as glpack reads it, then packed into a ".mz" against the
// shipped palette, as `glpack pack` does.

#include "FuzzHarness.h"

#include "glpack/Packer.h"
#include "glpack/Palette.h"
#include "glpack/PngFile.h"

#include <allegro.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setUpHeadless();
    static const Palette palette = [] {
        Palette shipped;
        std::string error;
        if (!shipped.load(GROUNDLINE_PALETTE_FILE, error))
            std::abort();
        return shipped;
    }();

    const std::string png = writeScratchFile(data, size, ".png");
    std::string error;
    BITMAP* image = PngFile::read(png, error);
    if (!image)
        return 0;
    destroy_bitmap(image);
    Packer(&palette).packImage(png, scratchPath(".mz"), error);
    return 0;
}
