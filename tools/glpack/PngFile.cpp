#include "glpack/PngFile.h"

#include <allegro.h>
#include <loadpng.h>

#include <fstream>

BITMAP* PngFile::read(const std::string& path, std::string& error) {
    if (!std::ifstream(path)) {
        error = path + ": cannot be read";
        return nullptr;
    }
    BITMAP* loaded = load_png(path.c_str(), nullptr);
    if (!loaded) {
        error = path + ": is not a PNG picture that can be read";
        return nullptr;
    }
    BITMAP* image = create_bitmap_ex(32, loaded->w, loaded->h);
    if (image)
        blit(loaded, image, 0, 0, 0, 0, loaded->w, loaded->h);
    destroy_bitmap(loaded);
    if (!image)
        error = path + ": too large to hold in memory";
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
