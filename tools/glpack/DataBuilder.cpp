#include "glpack/DataBuilder.h"

#include "glpack/Packer.h"
#include "glpack/Palette.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Art stems, sorted so that builds and error lists come out the same every time.
std::vector<std::string> pngStems(const std::string& artFolder) {
    std::vector<std::string> stems;
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(artFolder, ignored)) {
        if (entry.path().extension() == ".png")
            stems.push_back(entry.path().stem().string());
    }
    std::sort(stems.begin(), stems.end());
    return stems;
}

bool isSheet(const std::string& artFolder, const std::string& stem) {
    return fs::exists(fs::path(artFolder) / (stem + DataBuilder::kDescriptionExtension));
}

} // namespace

std::vector<std::string> DataBuilder::outputsOf(const std::string& artFolder) {
    std::vector<std::string> outputs;
    for (const std::string& stem : pngStems(artFolder))
        outputs.push_back(stem + (isSheet(artFolder, stem) ? ".sz" : ".mz"));
    return outputs;
}

bool DataBuilder::build(const std::string& artFolder, const std::string& dataFolder,
                        std::vector<std::string>& errors) const {
    Palette palette;
    std::string error;
    if (!palette.load((fs::path(artFolder) / kPaletteFile).string(), error)) {
        errors.push_back(error);
        return false;
    }
    const std::vector<std::string> stems = pngStems(artFolder);
    if (stems.empty()) {
        errors.push_back(artFolder + ": holds no PNG pictures");
        return false;
    }

    const Packer packer(&palette);
    for (const std::string& stem : stems) {
        const std::string png = (fs::path(artFolder) / (stem + ".png")).string();
        const std::string description =
            (fs::path(artFolder) / (stem + kDescriptionExtension)).string();
        bool packed;
        if (isSheet(artFolder, stem))
            packed = packer.packSheet(png, description,
                                      (fs::path(dataFolder) / (stem + ".sz")).string(), error);
        else
            packed = packer.packImage(png, (fs::path(dataFolder) / (stem + ".mz")).string(), error);
        if (!packed)
            errors.push_back(error);
    }

    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(artFolder, ignored)) {
        const fs::path path = entry.path();
        if (path.extension() == kDescriptionExtension &&
            !fs::exists(fs::path(path).replace_extension(".png")))
            errors.push_back(path.string() + ": describes a sheet but there is no PNG beside it");
    }
    return errors.empty();
}
