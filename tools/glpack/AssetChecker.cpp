#include "glpack/AssetChecker.h"

#include "gfx/BitmapFont.h"
#include "gfx/PackedImage.h"
#include "gfx/SpriteSheet.h"

#include <allegro.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <fstream>

namespace {

// Glyph problems reported one by one before the rest are only counted.
constexpr int kMaxGlyphReports = 8;

// More than the largest image the game reads plus the longest tables a sheet
// can hold: a stream that goes on past this is not art.
constexpr size_t kMaxStreamBytes = 4 + 3 * static_cast<size_t>(kMaxPackedImagePixels) + (16u << 20);

struct Stream {
    std::vector<unsigned char> bytes;
    std::string damage; // why decompression stopped early, if it did
};

bool readStream(const std::string& path, Stream& stream) {
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file)
        return false;
    unsigned char chunk[1 << 16];
    while (stream.bytes.size() < kMaxStreamBytes) {
        const int got = gzread(file, chunk, sizeof chunk);
        if (got > 0)
            stream.bytes.insert(stream.bytes.end(), chunk, chunk + got);
        if (got < static_cast<int>(sizeof chunk)) {
            int code = Z_OK;
            const char* message = gzerror(file, &code);
            if (code != Z_OK && code != Z_STREAM_END) {
                // zlib puts the file name first; the report already has it.
                std::string why = message ? message : "damaged data";
                const std::string prefix = path + ": ";
                if (why.compare(0, prefix.size(), prefix) == 0)
                    why.erase(0, prefix.size());
                stream.damage = "the compressed stream stops here: " + why;
            }
            break;
        }
    }
    if (stream.bytes.size() >= kMaxStreamBytes)
        stream.damage = "the stream goes on past " + std::to_string(kMaxStreamBytes) +
                        " bytes; the rest was not read";
    gzclose(file);
    return true;
}

// Walks the decompressed bytes as the game's readers do: a value that runs
// past the end reads as -1.
class Cursor {
  public:
    explicit Cursor(const std::vector<unsigned char>& bytes) : bytes(bytes) {}

    int u16() {
        if (offset + 2 > bytes.size()) {
            offset = bytes.size();
            return -1;
        }
        const int value = bytes[offset] + 256 * bytes[offset + 1];
        offset += 2;
        return value;
    }

    bool take(size_t count, void* into = nullptr) {
        if (offset + count > bytes.size()) {
            offset = bytes.size();
            return false;
        }
        if (into)
            std::memcpy(into, bytes.data() + offset, count);
        offset += count;
        return true;
    }

    size_t left() const { return bytes.size() - offset; }
    std::string at() const { return "offset " + std::to_string(offset); }
    size_t offset = 0;

  private:
    const std::vector<unsigned char>& bytes;
};

std::string glyphName(int code) {
    std::string name = "glyph " + std::to_string(code);
    if (code > 32 && code < 127)
        name += std::string(" '") + static_cast<char>(code) + "'";
    return name;
}

std::string lowerExtension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return "";
    std::string extension = path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

} // namespace

AssetChecker::Kind AssetChecker::kindOf(const std::string& path) {
    return lowerExtension(path) == "sz" ? Kind::Sheet : Kind::Image;
}

std::string AssetChecker::describe(const std::string& path, const Problem& problem) {
    return path + ": " + (problem.where.empty() ? "" : problem.where + ": ") + problem.what;
}

std::vector<Problem> AssetChecker::check(const std::string& path, Kind kind) const {
    if (!std::ifstream(path))
        return {{"", "cannot be opened", true}};
    switch (kind) {
    case Kind::Sheet:
        return checkPacked(path, true);
    case Kind::Font:
        return checkFont(path);
    case Kind::Image:
        break;
    }
    return checkPacked(path, false);
}

std::vector<Problem> AssetChecker::checkPacked(const std::string& path, bool isSheet) const {
    std::vector<Problem> problems;
    auto report = [&](const std::string& where, const std::string& what, bool refused) {
        problems.push_back({where, what, refused});
    };

    Stream stream;
    if (!readStream(path, stream))
        return {{"", "cannot be opened", true}};
    if (!stream.damage.empty())
        report("offset " + std::to_string(stream.bytes.size()), stream.damage, false);

    Cursor cursor(stream.bytes);
    const int width = cursor.u16();
    const int height = cursor.u16();
    if (width < 0 || height < 0) {
        report("offset 0",
               "the image header needs 4 bytes, the stream holds " +
                   std::to_string(stream.bytes.size()),
               true);
        return problems;
    }
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (static_cast<long>(width) * height > kMaxPackedImagePixels) {
        report("offset 0", "a " + size + " image is larger than the game reads", true);
        return problems;
    }
    if (width == 0 || height == 0)
        report("offset 0", "the " + size + " image has no pixels", false);

    const size_t pixelBytes = 3 * static_cast<size_t>(width) * height;
    if (cursor.left() < pixelBytes) {
        report("offset " + std::to_string(4 + cursor.left()),
               "the pixels end after " + std::to_string(cursor.left()) + " of " +
                   std::to_string(pixelBytes) + " bytes; the rest would show white",
               false);
    }
    cursor.take(std::min(pixelBytes, cursor.left()));

    if (isSheet) {
        const std::string frameCountAt = cursor.at();
        const int frameTotal = cursor.u16();
        if (frameTotal < 0) {
            report(frameCountAt, "the stream ends where the frame count belongs", true);
            return problems;
        }
        for (int f = 0; f < frameTotal; ++f) {
            const std::string where = cursor.at() + ": frame " + std::to_string(f);
            const int x = cursor.u16(), y = cursor.u16(), w = cursor.u16(), h = cursor.u16();
            if (h < 0) {
                report(where, "the stream ends inside the frame's rectangle", true);
                return problems;
            }
            const std::string rect = std::to_string(x) + "," + std::to_string(y) + " " +
                                     std::to_string(w) + " x " + std::to_string(h);
            if (x + w > width || y + h > height) {
                report(where, "the rectangle " + rect + " leaves the " + size + " image", true);
                return problems;
            }
            if (w == 0 || h == 0)
                report(where, "the rectangle " + rect + " has no pixels", false);
        }

        const std::string animationCountAt = cursor.at();
        const int animationTotal = cursor.u16();
        if (animationTotal < 0) {
            report(animationCountAt, "the stream ends where the animation count belongs", true);
            return problems;
        }
        if (animationTotal == 0)
            report(animationCountAt, "no animations: animation 0, the resting loop, is missing",
                   false);
        for (int a = 0; a < animationTotal; ++a) {
            const std::string where = cursor.at() + ": animation " + std::to_string(a);
            float rate = 0.0f;
            if (!cursor.take(sizeof rate, &rate)) {
                report(where, "the stream ends inside the frame rate", true);
                return problems;
            }
            const int count = cursor.u16();
            if (count < 0) {
                report(where, "the stream ends where the frame count belongs", true);
                return problems;
            }
            if (count == 0) {
                report(where, "the animation has no frames", true);
                return problems;
            }
            if (!std::isfinite(rate) || rate <= 0.0f)
                report(where,
                       "a rate of " + std::to_string(rate) +
                           " frames per second never plays a cycle through",
                       false);
            for (int n = 0; n < count; ++n) {
                const std::string frameAt = cursor.at();
                const int frame = cursor.u16();
                if (frame < 0) {
                    report(where, "the stream ends inside the frame numbers", true);
                    return problems;
                }
                if (frame >= frameTotal) {
                    report(frameAt + ": animation " + std::to_string(a),
                           "frame " + std::to_string(frame) + " does not exist; the sheet has " +
                               std::to_string(frameTotal) + " frames",
                           true);
                    return problems;
                }
            }
        }
    }
    if (cursor.left() > 0)
        report(cursor.at(), std::to_string(cursor.left()) + " bytes follow that nothing reads",
               false);

    // The game's own loader has the last word on whether the file loads.
    bool gameRefuses = false;
    if (isSheet) {
        const SpriteSheet sheet(path);
        gameRefuses = sheet.image == nullptr;
    } else {
        BITMAP* image = loadPackedImage(path.c_str(), nullptr);
        gameRefuses = image == nullptr;
        if (image)
            destroy_bitmap(image);
    }
    const bool foundRefusal =
        std::any_of(problems.begin(), problems.end(), [](const Problem& p) { return p.refused; });
    if (gameRefuses && !foundRefusal)
        report("", "the game's loader refuses the file", true);
    return problems;
}

std::vector<Problem> AssetChecker::checkFont(const std::string& path) const {
    const std::string extension = lowerExtension(path);
    static const char* const gameFormats[] = {"mz", "bmp", "pcx", "tga", "lbm"};
    if (std::find(std::begin(gameFormats), std::end(gameFormats), extension) ==
        std::end(gameFormats))
        return {
            {"",
             "the game reads fonts from .mz pictures (or BMP, PCX, TGA, LBM), not ." + extension,
             true}};

    std::vector<Problem> problems;
    if (extension == "mz") {
        problems = checkPacked(path, false);
        if (std::any_of(problems.begin(), problems.end(),
                        [](const Problem& p) { return p.refused; }))
            return problems;
    }
    auto report = [&](const std::string& where, const std::string& what, bool refused) {
        problems.push_back({where, what, refused});
    };

    const BitmapFont font(path);
    BITMAP* image = font.image;
    if (!image) {
        report("", "the game cannot load the picture", true);
        return problems;
    }
    if (image->w < 2 || image->h < 2) {
        report("", "the picture is too small to hold a glyph", false);
        return problems;
    }

    // The game's glyph scan, once more, to say where a glyph runs off the
    // picture: the game cuts it at the edge and says nothing. A picture that
    // is no font at all would give a line for every pixel column; a few say
    // enough.
    const int border = getpixel(image, 0, 0);
    int x0 = 1, y0 = 1, count = 0, glyphProblems = 0;
    auto reportGlyph = [&](const std::string& where, const std::string& what) {
        if (++glyphProblems <= kMaxGlyphReports)
            report(where, what, false);
    };
    while (true) {
        const int code = (kFirstCode + count) % 256;
        int right = x0;
        while (right < image->w && getpixel(image, right, y0) != border)
            ++right;
        int bottom = y0;
        while (bottom < image->h && getpixel(image, x0, bottom) != border)
            ++bottom;
        const std::string where =
            glyphName(code) + " at " + std::to_string(x0) + "," + std::to_string(y0);
        if (right == image->w)
            reportGlyph(where, "no border pixel closes its top row before the picture's edge");
        if (bottom == image->h)
            reportGlyph(where, "no border pixel closes its left column before the picture's edge");
        if (bottom - y0 > kMaxGlyphHeight)
            reportGlyph(where, std::to_string(bottom - y0) + " pixels high; texts are drawn into " +
                                   std::to_string(kMaxGlyphHeight) + "-pixel-high images");
        ++count;

        int x = right;
        while (x < image->w && getpixel(image, x, y0) == border)
            ++x;
        if (x < image->w) {
            x0 = x;
            continue;
        }
        int y = bottom;
        while (y < image->h && getpixel(image, 1, y) == border)
            ++y;
        if (y >= image->h)
            break;
        x0 = 1;
        y0 = y;
    }

    if (glyphProblems > kMaxGlyphReports)
        report("",
               "and " + std::to_string(glyphProblems - kMaxGlyphReports) +
                   " more problems with glyphs like those",
               false);

    const int lastCode = kFirstCode + count - 1;
    if (lastCode < kLastCode)
        report("",
               "glyphs are needed for codes " + std::to_string(kFirstCode) + " to " +
                   std::to_string(kLastCode) + "; the picture stops after " + glyphName(lastCode),
               false);
    if (lastCode > 255)
        report("",
               std::to_string(count) + " glyphs: those past code 255 wrap round and replace "
                                       "codes from 0 up",
               false);
    return problems;
}
