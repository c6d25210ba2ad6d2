#include "gfx/AssetChecker.h"

#include "gfx/BitmapFont.h"
#include "gfx/PackedImage.h"
#include "gfx/SpriteSheet.h"

#include <allegro.h>

AssetChecker::Kind AssetChecker::kindOf(const std::string& path) {
    const char* extension = get_extension(path.c_str());
    if (ustricmp(extension, "sz") == 0)
        return Kind::Sheet;
    if (ustricmp(extension, "wav") == 0 || ustricmp(extension, "voc") == 0)
        return Kind::Sound;
    return Kind::Image;
}

std::string AssetChecker::describe(const std::string& path, const Problem& problem) {
    return path + ": " + (problem.where.empty() ? "" : problem.where + ": ") + problem.what;
}

namespace {

// Through Allegro's own reader, which the game plays its effects from.
void checkSound(const std::string& path, std::vector<Problem>& problems) {
    SAMPLE* sound = load_sample(path.c_str());
    if (!sound) {
        reportProblem(&problems, "", "not a WAVE or VOC sound that the game can read", true);
        return;
    }
    if (sound->len == 0)
        reportProblem(&problems, "", "the sound has no samples", false);
    destroy_sample(sound);
}

} // namespace

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
    case Kind::Sound:
        checkSound(path, problems);
        break;
    }
    return problems;
}
