#include "gfx/AssetChecker.h"

#include "gfx/BitmapFont.h"
#include "gfx/PackedImage.h"
#include "gfx/SpriteSheet.h"

#include <allegro.h>

AssetChecker::Kind AssetChecker::kindOf(const std::string& path) {
    return ustricmp(get_extension(path.c_str()), "sz") == 0 ? Kind::Sheet : Kind::Image;
}

std::string AssetChecker::describe(const std::string& path, const Problem& problem) {
    return path + ": " + (problem.where.empty() ? "" : problem.where + ": ") + problem.what;
}

std::vector<Problem> AssetChecker::check(const std::string& path, Kind kind) const {
    std::vector<Problem> problems;
    switch (kind) {
    case Kind::Sheet: {
        const SpriteSheet sheet(path, &problems);
        break;
    }
    case Kind::Font: {
        const BitmapFont font(path, &problems);
        break;
    }
    case Kind::Image:
        if (BITMAP* image = readPackedImageFile(path, &problems))
            destroy_bitmap(image);
        break;
    }
    return problems;
}
