#include "glpack/Packer.h"

#include "glpack/PackedWriter.h"
#include "glpack/Palette.h"
#include "glpack/PngFile.h"
#include "glpack/SheetDescription.h"

#include "gfx/AssetChecker.h"
#include "gfx/PackedImage.h"
#include "gfx/SpriteSheet.h"

#include <allegro.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* bitmap) const { destroy_bitmap(bitmap); }
};
using BitmapPointer = std::unique_ptr<BITMAP, BitmapDeleter>;

bool fitsTheFormat(const std::string& png, const BITMAP* image, std::string& error) {
    if (image->w > SheetDescription::kMaxCount || image->h > SheetDescription::kMaxCount ||
        static_cast<long>(image->w) * image->h > kMaxPackedImagePixels) {
        error = png + ": " + std::to_string(image->w) + " x " + std::to_string(image->h) +
                " is larger than the game reads";
        return false;
    }
    return true;
}

bool usesOnlyThePalette(const std::string& png, BITMAP* image, const Palette& palette,
                        std::string& error) {
    for (int y = 0; y < image->h; ++y) {
        for (int x = 0; x < image->w; ++x) {
            const int pixel = getpixel(image, x, y);
            const int rgb = (getr32(pixel) << 16) | (getg32(pixel) << 8) | getb32(pixel);
            if (!palette.allows(rgb)) {
                char colour[8];
                std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(rgb));
                error = png + ": pixel " + std::to_string(x) + "," + std::to_string(y) + " is " +
                        colour + ", which is neither a palette colour nor the mask FF00FF";
                return false;
            }
        }
    }
    return true;
}

// The packed file must read back as what was meant; refuse anything the
// checker finds fault with rather than leave it for the game to discover.
bool refuseBroken(const std::string& path, AssetChecker::Kind kind, std::string& error) {
    const std::vector<Problem> problems = AssetChecker().check(path, kind);
    if (problems.empty())
        return true;
    error = AssetChecker::describe(path, problems.front());
    return false;
}

bool readText(const std::string& path, std::string& text, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot be read";
        return false;
    }
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return true;
}

} // namespace

bool Packer::packImage(const std::string& png, const std::string& output,
                       std::string& error) const {
    BitmapPointer image(PngFile::read(png, error));
    if (!image || !fitsTheFormat(png, image.get(), error))
        return false;
    if (palette && !usesOnlyThePalette(png, image.get(), *palette, error))
        return false;
    return PackedWriter::writeGzip(output, PackedWriter::imageBytes(image.get()), error);
}

bool Packer::packSheet(const std::string& png, const std::string& description,
                       const std::string& output, std::string& error) const {
    BitmapPointer image(PngFile::read(png, error));
    if (!image || !fitsTheFormat(png, image.get(), error))
        return false;
    if (palette && !usesOnlyThePalette(png, image.get(), *palette, error))
        return false;
    std::string text;
    if (!readText(description, text, error))
        return false;
    SheetDescription sheet;
    std::string why;
    if (!sheet.parse(text, image->w, image->h, why)) {
        error = description + ": " + why;
        return false;
    }
    return PackedWriter::writeGzip(output, PackedWriter::sheetBytes(image.get(), sheet), error);
}

bool Packer::unpackImage(const std::string& packed, const std::string& png,
                         std::string& error) const {
    if (!refuseBroken(packed, AssetChecker::Kind::Image, error))
        return false;
    BitmapPointer image(loadPackedImage(packed.c_str(), nullptr));
    return PngFile::write(png, image.get(), error);
}

bool Packer::unpackSheet(const std::string& packed, const std::string& png,
                         const std::string& description, std::string& error) const {
    if (!refuseBroken(packed, AssetChecker::Kind::Sheet, error))
        return false;
    const SpriteSheet sheet(packed);

    // Frames are sub-bitmaps of the sheet's image, so their offsets are the rectangles.
    SheetDescription text;
    for (const BITMAP* frame : sheet.frames)
        text.frames.push_back({frame->x_ofs, frame->y_ofs, frame->w, frame->h});
    for (const SpriteAnimation& animation : sheet.animations)
        text.animations.push_back({animation.rate, animation.frameNumbers});

    if (!PngFile::write(png, sheet.image, error))
        return false;
    std::ofstream file(description, std::ios::binary);
    file << text.format(sheet.image->w);
    if (!file) {
        error = description + ": cannot be written";
        return false;
    }
    return true;
}
