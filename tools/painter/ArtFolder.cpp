#include "painter/ArtFolder.h"

#include "glpack/PngFile.h"
#include "painter/Picture.h"
#include "painter/SheetStrip.h"

#include <allegro.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

void ArtFolder::image(const std::string& name, const Picture& picture) {
    BITMAP* bitmap = picture.toBitmap(palette);
    std::string error;
    if (!PngFile::write(path + "/" + name + ".png", bitmap, error)) {
        std::fprintf(stderr, "paint-art: %s\n", error.c_str());
        ok = false;
    }
    destroy_bitmap(bitmap);
}

void ArtFolder::icon(const std::string& name, const Picture& picture,
                     const std::vector<int>& factors) {
    const std::string folder = "icon";
    // A folder that cannot be made shows up as pictures that cannot be written.
    std::error_code ignored;
    std::filesystem::create_directories(path + "/" + folder, ignored);
    for (const int factor : factors)
        image(folder + "/" + name + "_" + std::to_string(picture.width() * factor),
              picture.scaled(factor));
}

void ArtFolder::sheet(const std::string& name, const std::string& title, const SheetStrip& strip) {
    image(name, strip.picture());
    const std::string descriptionPath = path + "/" + name + ".sheet";
    std::ofstream description(descriptionPath, std::ios::binary);
    description << strip.description(title);
    if (!description) {
        std::fprintf(stderr, "paint-art: %s: cannot be written\n", descriptionPath.c_str());
        ok = false;
    }
}
