// A font image, cut into glyphs as the game cuts its four fonts, then used to
// measure and draw the texts the game shows; and as glpack checks it.

#include "FuzzHarness.h"
#include "gfx/AssetChecker.h"

#include "gfx/BitmapFont.h"

#include <allegro.h>

#include <cstdlib>
#include <string>

namespace {

std::string everyByte() {
    std::string text;
    for (int c = 1; c < 256; ++c)
        text += static_cast<char>(c);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setUpHeadless();
    const std::string path = writeScratchFile(data, size, ".mz");
    if (declaresHugeImage(path))
        return 0;
    BitmapFont font(path);

    static const std::string allBytes = everyByte();
    const char* const texts[] = {"", "Wave 12", "Quit Game?", "+25", "#####", allBytes.c_str()};
    BITMAP* target = create_bitmap(320, 40);
    clear_to_color(target, makecol(255, 0, 255));
    for (int kerning : {0, -3, 2}) {
        font.kerning = kerning;
        for (const char* text : texts) {
            const int width = font.textWidth(text);
            if (kerning >= 0 && width < 0)
                std::abort();
            font.drawText(target, 2, 2, text);
            font.drawTextCentred(target, 160, 20, text);
            font.drawTextRight(target, 0, -5, text);
        }
        font.drawTextf(target, 300, 30, "%s %d", allBytes.c_str(), kerning);
        font.drawTextCentredf(target, 160, 10, "Wave %d", 123456789);
        font.textWidthf("%600d", 1);
    }
    destroy_bitmap(target);

    AssetChecker().check(path, AssetChecker::Kind::Font);
    return 0;
}
