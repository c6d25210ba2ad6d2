#include "window/Screenshot.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>

namespace {

constexpr unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr unsigned char kBitDepth = 8;
constexpr unsigned char kColourTypeRgb = 2;
constexpr unsigned char kFilterNone = 0;

void appendBigEndian(std::vector<unsigned char>& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<unsigned char>(value >> shift));
}

void appendChunk(std::vector<unsigned char>& file, const char* type,
                 const std::vector<unsigned char>& data) {
    std::vector<unsigned char> typeAndData(type, type + 4);
    typeAndData.insert(typeAndData.end(), data.begin(), data.end());
    appendBigEndian(file, static_cast<std::uint32_t>(data.size()));
    file.insert(file.end(), typeAndData.begin(), typeAndData.end());
    appendBigEndian(file, static_cast<std::uint32_t>(
                              crc32(0, typeAndData.data(), static_cast<uInt>(typeAndData.size()))));
}

} // namespace

Screenshot::Screenshot(int width, int height, std::vector<std::uint32_t> pixels)
    : pictureWidth(width), pictureHeight(height), pixels(std::move(pixels)) {}

int Screenshot::changedCanvasPixels(const Screenshot& other, int x, int y, int width,
                                    int height) const {
    int changed = 0;
    for (int dy = 0; dy < height; ++dy)
        for (int dx = 0; dx < width; ++dx)
            changed += canvasPixel(x + dx, y + dy) != other.canvasPixel(x + dx, y + dy);
    return changed;
}

std::uint32_t Screenshot::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= pictureWidth || y >= pictureHeight)
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                ") lies outside the screenshot");
    return pixels[static_cast<size_t>(y) * pictureWidth + x];
}

void Screenshot::save(const std::string& path) const {
    std::vector<unsigned char> header;
    appendBigEndian(header, static_cast<std::uint32_t>(pictureWidth));
    appendBigEndian(header, static_cast<std::uint32_t>(pictureHeight));
    header.insert(header.end(), {kBitDepth, kColourTypeRgb, 0, 0, 0});

    std::vector<unsigned char> rows;
    rows.reserve(static_cast<size_t>(pictureHeight) * (1 + 3 * pictureWidth));
    for (int y = 0; y < pictureHeight; ++y) {
        rows.push_back(kFilterNone);
        for (int x = 0; x < pictureWidth; ++x) {
            const std::uint32_t colour = pixel(x, y);
            rows.insert(rows.end(), {static_cast<unsigned char>(colour >> 16),
                                     static_cast<unsigned char>(colour >> 8),
                                     static_cast<unsigned char>(colour)});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size())) != Z_OK)
        throw std::runtime_error("cannot compress the screenshot for " + path);
    packed.resize(packedSize);

    std::vector<unsigned char> file(std::begin(kPngSignature), std::end(kPngSignature));
    appendChunk(file, "IHDR", header);
    appendChunk(file, "IDAT", packed);
    appendChunk(file, "IEND", {});

    std::ofstream stream(path, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(file.data()),
                 static_cast<std::streamsize>(file.size()));
    if (!stream)
        throw std::runtime_error("cannot write the screenshot " + path);
}
