#include "gfx/PackedImage.h"

#include "app/FileNames.h"

#include <allegro.h>

namespace {

// More than the largest image the game reads plus the longest tables a sheet
// can hold: a stream that goes on past this is not art, and the rest of it is
// not worth decompressing to count.
constexpr z_off_t kMaxStreamBytes =
    4 + 3 * static_cast<z_off_t>(kMaxPackedImagePixels) + (16 << 20);

} // namespace

int readU16(gzFile stream) {
    const int low = gzgetc(stream);
    const int high = gzgetc(stream);
    if (low < 0 || high < 0)
        return -1;
    return low + 256 * high;
}

std::string offsetName(z_off_t offset) {
    return "offset " + std::to_string(offset);
}

BITMAP* readPackedImage(gzFile stream, std::vector<Problem>* problems) {
    if (!stream) {
        reportProblem(problems, "", "cannot be opened", true);
        return nullptr;
    }

    const z_off_t start = gztell(stream);
    const int width = readU16(stream);
    const int height = readU16(stream);
    if (width < 0 || height < 0) {
        reportProblem(problems, offsetName(start),
                      "the image header needs 4 bytes, the stream holds " +
                          std::to_string(gztell(stream) - start),
                      true);
        return nullptr;
    }
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (static_cast<long>(width) * height > kMaxPackedImagePixels) {
        reportProblem(problems, offsetName(start),
                      "a " + size + " image is larger than the game reads", true);
        return nullptr;
    }
    if (width == 0 || height == 0)
        reportProblem(problems, offsetName(start), "the " + size + " image has no pixels", false);

    BITMAP* image = create_bitmap(width, height);
    if (!image) {
        reportProblem(problems, offsetName(start), "the game cannot make a " + size + " bitmap",
                      true);
        return nullptr;
    }

    // A byte at a time: gzread fails a whole call when the stream turns
    // corrupt in its middle, and would lose the pixels decoded before the
    // damage. gzgetc keeps them, and every byte after reads as -1.
    const z_off_t pixelsAt = gztell(stream);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int red = gzgetc(stream);
            const int green = gzgetc(stream);
            const int blue = gzgetc(stream);
            putpixel(image, x, y, makecol(red, green, blue));
        }
    }

    const z_off_t pixelBytes = 3 * static_cast<z_off_t>(width) * height;
    const z_off_t pixelsRead = gztell(stream) - pixelsAt;
    if (pixelsRead < pixelBytes)
        reportProblem(problems, offsetName(gztell(stream)),
                      "the pixels end after " + std::to_string(pixelsRead) + " of " +
                          std::to_string(pixelBytes) + " bytes; the rest would show white",
                      false);
    return image;
}

BITMAP* readPackedImageFile(const std::string& fileName, std::vector<Problem>* problems) {
    gzFile stream = openCompressedFile(fileName, "rb");
    BITMAP* image = readPackedImage(stream, problems);
    if (!stream)
        return nullptr;
    if (problems)
        reportStreamEnd(stream, fileName, image != nullptr, *problems);
    gzclose(stream);
    return image;
}

BITMAP* loadPackedImage(const char* fileName, RGB* /*palette*/) {
    return readPackedImageFile(fileName, nullptr);
}

void registerPackedImageType() {
    register_bitmap_file_type("mz", loadPackedImage, nullptr);
}

void reportStreamEnd(gzFile stream, const std::string& fileName, bool readerFinished,
                     std::vector<Problem>& problems) {
    const z_off_t readerEnd = gztell(stream);
    if (readerFinished) {
        unsigned char chunk[1 << 16];
        while (gztell(stream) < kMaxStreamBytes && gzread(stream, chunk, sizeof chunk) > 0)
            continue;
    }

    int code = Z_OK;
    const char* message = gzerror(stream, &code);
    if (code != Z_OK && code != Z_STREAM_END) {
        // zlib puts the file name first; the report already has it.
        std::string why = message ? message : "damaged data";
        const std::string prefix = fileName + ": ";
        if (why.compare(0, prefix.size(), prefix) == 0)
            why.erase(0, prefix.size());
        problems.push_back(
            {offsetName(gztell(stream)), "the compressed stream stops here: " + why, false});
    }
    if (gztell(stream) >= kMaxStreamBytes)
        problems.push_back({offsetName(gztell(stream)),
                            "the stream goes on past " + std::to_string(kMaxStreamBytes) +
                                " bytes; the rest was not read",
                            false});

    const z_off_t unread = gztell(stream) - readerEnd;
    if (unread > 0)
        problems.push_back({offsetName(readerEnd),
                            std::to_string(unread) + " bytes follow that nothing reads", false});
}
