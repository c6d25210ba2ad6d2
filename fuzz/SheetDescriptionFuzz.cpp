// glpack's sheet description, the text a modder writes beside a PNG strip.
// The first four bytes give the strip's size, the rest is the text. A
// description that parses must come back the same from its own text form.

#include "glpack/SheetDescription.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool sameSheet(const SheetDescription& a, const SheetDescription& b) {
    if (a.frames.size() != b.frames.size() || a.animations.size() != b.animations.size())
        return false;
    for (size_t i = 0; i < a.frames.size(); ++i) {
        const FrameRect& p = a.frames[i];
        const FrameRect& q = b.frames[i];
        if (p.x != q.x || p.y != q.y || p.width != q.width || p.height != q.height)
            return false;
    }
    for (size_t i = 0; i < a.animations.size(); ++i) {
        // Compared as written, so that a rate that is not a number still matches itself.
        if (std::to_string(a.animations[i].rate) != std::to_string(b.animations[i].rate) ||
            a.animations[i].frames != b.animations[i].frames)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    const int width = data[0] | data[1] << 8;
    const int height = data[2] | data[3] << 8;
    const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);

    SheetDescription description;
    std::string error;
    if (!description.parse(text, width, height, error))
        return 0;

    SheetDescription again;
    if (!again.parse(description.format(width), width, height, error) ||
        !sameSheet(description, again))
        std::abort();
    return 0;
}
