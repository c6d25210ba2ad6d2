// glpack: the modder's toolkit for the game's packed pictures.

#include "glpack/DataBuilder.h"
#include "glpack/Packer.h"
#include "glpack/Palette.h"

#include "gfx/AssetChecker.h"
#include "gfx/PackedImage.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  glpack pack [--palette FILE] PICTURE.png OUT.mz\n"
    "  glpack pack [--palette FILE] PICTURE.png DESCRIPTION.sheet OUT.sz\n"
    "  glpack unpack IN.mz OUT.png\n"
    "  glpack unpack IN.sz OUT.png OUT.sheet\n"
    "  glpack check FILE... [--font FILE...]\n"
    "  glpack build ART_FOLDER DATA_FOLDER\n"
    "  glpack --version\n";

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

int fail(const std::string& error) {
    std::fprintf(stderr, "glpack: %s\n", error.c_str());
    return 1;
}

int pack(std::vector<std::string> arguments) {
    Palette palette;
    const Palette* usedPalette = nullptr;
    if (arguments.size() >= 2 && arguments[0] == "--palette") {
        std::string error;
        if (!palette.load(arguments[1], error))
            return fail(error);
        usedPalette = &palette;
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    const Packer packer(usedPalette);
    std::string error;
    if (arguments.size() == 2 && endsWith(arguments[1], ".mz"))
        return packer.packImage(arguments[0], arguments[1], error) ? 0 : fail(error);
    if (arguments.size() == 3 && endsWith(arguments[2], ".sz"))
        return packer.packSheet(arguments[0], arguments[1], arguments[2], error) ? 0 : fail(error);
    return usage();
}

int unpack(const std::vector<std::string>& arguments) {
    const Packer packer;
    std::string error;
    if (arguments.size() == 2 && endsWith(arguments[0], ".mz"))
        return packer.unpackImage(arguments[0], arguments[1], error) ? 0 : fail(error);
    if (arguments.size() == 3 && endsWith(arguments[0], ".sz"))
        return packer.unpackSheet(arguments[0], arguments[1], arguments[2], error) ? 0
                                                                                   : fail(error);
    return usage();
}

// One line per problem on standard output, so that the list can be piped.
int check(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return usage();
    const AssetChecker checker;
    bool fonts = false;
    int problemCount = 0;
    for (const std::string& path : arguments) {
        if (path == "--font") {
            fonts = true;
            continue;
        }
        const AssetChecker::Kind kind =
            fonts ? AssetChecker::Kind::Font : AssetChecker::kindOf(path);
        for (const Problem& problem : checker.check(path, kind)) {
            std::printf("%s\n", AssetChecker::describe(path, problem).c_str());
            ++problemCount;
        }
    }
    return problemCount == 0 ? 0 : 1;
}

int build(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2)
        return usage();
    std::vector<std::string> errors;
    if (DataBuilder().build(arguments[0], arguments[1], errors))
        return 0;
    for (const std::string& error : errors)
        std::fprintf(stderr, "glpack: %s\n", error.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    install_allegro(SYSTEM_NONE, &errno, std::atexit);
    set_color_depth(32);
    registerPackedImageType();

    const std::string command = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (command == "--version" && arguments.empty()) {
        std::printf("glpack %s\n", GROUNDLINE_VERSION);
        return 0;
    }
    if (command == "pack")
        return pack(arguments);
    if (command == "unpack")
        return unpack(arguments);
    if (command == "check")
        return check(arguments);
    if (command == "build")
        return build(arguments);
    return usage();
}
