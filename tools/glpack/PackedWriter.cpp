#include "glpack/PackedWriter.h"

#include "glpack/SheetDescription.h"

#include <allegro.h>
#include <zlib.h>

#include <cstring>

namespace {

void appendU16(Bytes& bytes, int value) {
    bytes.push_back(static_cast<unsigned char>(value & 0xff));
    bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xff));
}

} // namespace

Bytes PackedWriter::imageBytes(BITMAP* image) {
    Bytes bytes;
    bytes.reserve(4 + 3 * static_cast<size_t>(image->w) * image->h);
    appendU16(bytes, image->w);
    appendU16(bytes, image->h);
    const int depth = bitmap_color_depth(image);
    for (int y = 0; y < image->h; ++y) {
        for (int x = 0; x < image->w; ++x) {
            const int pixel = getpixel(image, x, y);
            bytes.push_back(static_cast<unsigned char>(getr_depth(depth, pixel)));
            bytes.push_back(static_cast<unsigned char>(getg_depth(depth, pixel)));
            bytes.push_back(static_cast<unsigned char>(getb_depth(depth, pixel)));
        }
    }
    return bytes;
}

Bytes PackedWriter::sheetBytes(BITMAP* image, const SheetDescription& description) {
    Bytes bytes = imageBytes(image);
    appendU16(bytes, static_cast<int>(description.frames.size()));
    for (const FrameRect& frame : description.frames) {
        appendU16(bytes, frame.x);
        appendU16(bytes, frame.y);
        appendU16(bytes, frame.width);
        appendU16(bytes, frame.height);
    }
    appendU16(bytes, static_cast<int>(description.animations.size()));
    for (const AnimationSpec& animation : description.animations) {
        // The game reads the rate as a little-endian float; so do the machines it runs on.
        unsigned char rate[4];
        std::memcpy(rate, &animation.rate, sizeof rate);
        bytes.insert(bytes.end(), rate, rate + sizeof rate);
        appendU16(bytes, static_cast<int>(animation.frames.size()));
        for (int frame : animation.frames)
            appendU16(bytes, frame);
    }
    return bytes;
}

bool PackedWriter::writeGzip(const std::string& path, const Bytes& bytes, std::string& error) {
    gzFile stream = gzopen(path.c_str(), "wb9");
    if (!stream) {
        error = path + ": cannot be written";
        return false;
    }
    const bool written =
        bytes.empty() || gzwrite(stream, bytes.data(), static_cast<unsigned>(bytes.size())) ==
                             static_cast<int>(bytes.size());
    const bool closed = gzclose(stream) == Z_OK;
    if (!written || !closed)
        error = path + ": cannot be written";
    return written && closed;
}
