#include "glpack/PngFile.h"

#include "gfx/PackedImage.h"

#include <allegro.h>
#include <loadpng.h>
#include <png.h>

#include <fstream>
#include <vector>

// Read through libpng's own interface rather than load_png, which leaks its
// half-filled bitmap whenever a file breaks off inside the pixel data.
BITMAP* PngFile::read(const std::string& path, std::string& error) {
    if (!std::ifstream(path)) {
        error = path + ": cannot be read";
        return nullptr;
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        error = path + ": is not a PNG picture that can be read";
        return nullptr;
    }
    // Refused before the pixels are allocated: a header may claim any size.
    if (static_cast<long long>(png.width) * png.height > kMaxPackedImagePixels) {
        png_image_free(&png);
        error = path + ": " + std::to_string(png.width) + " x " + std::to_string(png.height) +
                " is larger than the game reads";
        return nullptr;
    }

    // Alpha is read and dropped: only magenta is transparent in this game.
    png.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
        error = path + ": is not a PNG picture that can be read";
        return nullptr;
    }
    BITMAP* image = create_bitmap_ex(32, static_cast<int>(png.width), static_cast<int>(png.height));
    if (!image) {
        error = path + ": too large to hold in memory";
        return nullptr;
    }
    const png_byte* pixel = pixels.data();
    for (int y = 0; y < image->h; ++y)
        for (int x = 0; x < image->w; ++x, pixel += 4)
            putpixel(image, x, y, makecol32(pixel[0], pixel[1], pixel[2]));
    return image;
}

bool PngFile::write(const std::string& path, BITMAP* image, std::string& error) {
    BITMAP* rgb = create_bitmap_ex(24, image->w, image->h);
    if (!rgb) {
        error = path + ": too large to hold in memory";
        return false;
    }
    blit(image, rgb, 0, 0, 0, 0, image->w, image->h);
    const bool written = save_png(path.c_str(), rgb, nullptr) == 0;
    destroy_bitmap(rgb);
    if (!written)
        error = path + ": cannot be written";
    return written;
}
