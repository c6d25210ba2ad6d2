// glpack run as a modder runs it, on the project's own art and on files
// broken in every way the format allows.

#include "glpack/DataBuilder.h"
#include "support/Headless.h"
#include "support/PackedBytes.h"

#include "gfx/AssetChecker.h"
#include "synth/SoundBook.h"

#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct Finished {
    int status; // the exit status, or -1 when the program did not exit by itself
    std::string output;
};

Finished run(const std::string& arguments, const std::string& program = GLPACK_EXECUTABLE) {
    const std::string command = "'" + program + "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {-1, "cannot start " + program};
    std::string output;
    char chunk[4096];
    while (size_t got = std::fread(chunk, 1, sizeof chunk, pipe))
        output.append(chunk, got);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

std::string contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        result.push_back(line);
    return result;
}

Bytes gzipped(const std::string& path) {
    const std::string text = contents(path);
    return Bytes(text.begin(), text.end());
}

// A good little sheet: a 4 x 2 image, two 2 x 2 frames, one animation.
Bytes goodSheet() {
    return sheetBytes(solidImageBytes(4, 2, {10, 20, 30}), {{0, 0, 2, 2}, {2, 0, 2, 2}},
                      {{8.0f, {0, 1}}});
}

// A font picture in the game's layout: `glyphs` boxes of w x h in one row.
Bytes fontBytes(int glyphs, int glyphWidth, int glyphHeight) {
    const int width = 1 + glyphs * (glyphWidth + 1), height = glyphHeight + 2;
    std::vector<Rgb> pixels(width * height, Rgb{0, 228, 54});
    for (int g = 0; g < glyphs; ++g)
        for (int y = 1; y <= glyphHeight; ++y)
            for (int x = 0; x < glyphWidth; ++x)
                pixels[y * width + 1 + g * (glyphWidth + 1) + x] = {255, 241, 232};
    return packedImageBytes(width, height, pixels);
}

} // namespace

TEST(Glpack, PackUnpackPackGivesTheSameBytesForEveryPictureOfTheGame) {
    const std::string folder = makeTempFolder();
    int packed = 0;
    for (const std::string& name : DataBuilder::outputsOf("art")) {
        const std::string stem = fs::path(name).stem().string();
        const std::string original = "data/" + name, png = folder + "/" + stem + ".png",
                          sheet = folder + "/" + stem + ".sheet", again = folder + "/" + name;
        const bool isSheet = fs::path(name).extension() == ".sz";
        const Finished unpack = run("unpack " + quoted(original) + " " + quoted(png) +
                                    (isSheet ? " " + quoted(sheet) : ""));
        ASSERT_EQ(unpack.status, 0) << unpack.output;
        const Finished pack =
            run("pack " + quoted(png) + (isSheet ? " " + quoted(sheet) : "") + " " + quoted(again));
        ASSERT_EQ(pack.status, 0) << pack.output;
        EXPECT_EQ(contents(again), contents(original)) << name;
        ++packed;
    }
    EXPECT_GT(packed, 20);
}

TEST(Glpack, PackRefusesColoursOutsideThePaletteAndBadDescriptions) {
    const std::string folder = makeTempFolder();
    BITMAP* picture = create_bitmap_ex(32, 2, 2);
    clear_to_color(picture, makecol_depth(32, 255, 0, 255));
    putpixel(picture, 1, 0, makecol_depth(32, 1, 2, 3));
    ASSERT_EQ(save_bitmap((folder + "/odd.bmp").c_str(), picture, nullptr), 0);
    destroy_bitmap(picture);
    ASSERT_EQ(run("unpack data/laser_small.mz " + quoted(folder + "/bolt.png")).status, 0);

    const Finished notPng =
        run("pack " + quoted(folder + "/odd.bmp") + " " + quoted(folder + "/x.mz"));
    EXPECT_EQ(notPng.status, 1);
    EXPECT_NE(notPng.output.find("odd.bmp"), std::string::npos) << notPng.output;

    std::ofstream(folder + "/bolt.sheet") << "frame 0 0 3 10\nanimation 0 rate 5 frames 2\n";
    const Finished badSheet =
        run("pack " + quoted(folder + "/bolt.png") + " " + quoted(folder + "/bolt.sheet") + " " +
            quoted(folder + "/bolt.sz"));
    EXPECT_EQ(badSheet.status, 1);
    EXPECT_NE(badSheet.output.find("bolt.sheet: line 0: animation 0 shows frame 2"),
              std::string::npos)
        << badSheet.output;
    EXPECT_FALSE(fs::exists(folder + "/bolt.sz"));

    const Finished offPalette =
        run("pack --palette art/palette.txt " + quoted(folder + "/bolt.png") + " " +
            quoted(folder + "/bolt.mz"));
    EXPECT_EQ(offPalette.status, 0) << offPalette.output;
    std::ofstream(folder + "/two.txt") << "FFF1E8 white\n";
    const Finished strict = run("pack --palette " + quoted(folder + "/two.txt") + " " +
                                quoted(folder + "/bolt.png") + " " + quoted(folder + "/bolt.mz"));
    EXPECT_EQ(strict.status, 1);
    EXPECT_NE(strict.output.find("neither a palette colour nor the mask"), std::string::npos)
        << strict.output;
}

TEST(Glpack, CheckAcceptsEveryFileTheGameShips) {
    std::string files;
    for (const std::string& name : DataBuilder::outputsOf("art"))
        files += " data/" + name;
    for (const SoundRecipe& sound : soundBook())
        files += " data/" + sound.file;
    const Finished check = run("check" + files +
                               " --font data/font_main.mz data/font_main_red.mz "
                               "data/font_small.mz data/font_small_red.mz");
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_EQ(check.output, "");
}

TEST(Glpack, CheckNamesEveryProblemOfABrokenCorpusOnALineOfItsOwn) {
    const std::string folder = makeTempFolder();
    struct Broken {
        std::string name;
        std::string expected; // part of the report
        AssetChecker::Kind kind;
    };
    std::vector<Broken> corpus;
    auto add = [&](const std::string& name, const Bytes& bytes, const std::string& expected,
                   AssetChecker::Kind kind, bool compressed = true) {
        if (compressed)
            writeGzipFile(folder + "/" + name, bytes);
        else
            writeFile(folder + "/" + name, bytes);
        corpus.push_back({name, expected, kind});
    };
    using Kind = AssetChecker::Kind;
    const Bytes image = solidImageBytes(4, 2, {10, 20, 30});
    const Bytes sheet = goodSheet();
    auto cut = [](Bytes bytes, size_t keep) {
        bytes.resize(keep);
        return bytes;
    };
    auto with = [](Bytes bytes, size_t at, std::initializer_list<unsigned char> values) {
        for (unsigned char value : values)
            bytes[at++] = value;
        return bytes;
    };
    const size_t frames = image.size(), animations = frames + 2 + 2 * 8;

    add("empty.mz", {}, "offset 0: the image header needs 4 bytes", Kind::Image);
    add("huge.mz", {0xff, 0xff, 0xff, 0xff}, "65535 x 65535 image is larger than the game reads",
        Kind::Image);
    add("short.mz", cut(image, 10), "the pixels end after 6 of 24 bytes", Kind::Image);
    Bytes trailing = image;
    trailing.push_back(7);
    add("trailing.mz", trailing, "offset 28: 1 bytes follow that nothing reads", Kind::Image);
    add("raw.mz", {'h', 'e', 'l', 'l', 'o', 0, 1, 2}, "larger than the game reads", Kind::Image,
        false);
    add("noframes.sz", image, "the stream ends where the frame count belongs", Kind::Sheet);
    add("cutframe.sz", cut(sheet, frames + 5), "frame 0: the stream ends inside", Kind::Sheet);
    add("outside.sz", with(sheet, frames + 2, {3, 0}),
        "frame 0: the rectangle 3,0 2 x 2 leaves the 4 x 2 image", Kind::Sheet);
    add("empty_frame.sz", with(sheet, frames + 6, {0, 0}),
        "frame 0: the rectangle 0,0 0 x 2 has no pixels", Kind::Sheet);
    add("noanimations.sz", cut(sheet, animations),
        "the stream ends where the animation count belongs", Kind::Sheet);
    add("zero_animations.sz", with(cut(sheet, animations + 2), animations, {0, 0}),
        "animation 0, the resting loop, is missing", Kind::Sheet);
    add("cutrate.sz", cut(sheet, animations + 4),
        "animation 0: the stream ends inside the frame rate", Kind::Sheet);
    add("no_frames_shown.sz", with(cut(sheet, animations + 8), animations + 6, {0, 0}),
        "animation 0: the animation has no frames", Kind::Sheet);
    add("bad_frame.sz", with(sheet, animations + 10, {9, 0}),
        "frame 9 does not exist; the sheet has 2 frames", Kind::Sheet);
    add("cut_numbers.sz", cut(sheet, sheet.size() - 1), "the stream ends inside the frame numbers",
        Kind::Sheet);
    add("still.sz", with(sheet, animations + 2, {0, 0, 0, 0}), "never plays a cycle through",
        Kind::Sheet);
    add("nan.sz", with(sheet, animations + 2, {0, 0, 0xc0, 0x7f}), "never plays a cycle through",
        Kind::Sheet);
    const Bytes good = goodSheet();
    Bytes compressedCut;
    writeGzipFile(folder + "/whole.sz", good);
    compressedCut = gzipped(folder + "/whole.sz");
    compressedCut.resize(compressedCut.size() / 2);
    add("cut_gzip.sz", compressedCut, "", Kind::Sheet, false);

    add("font.png", fontBytes(95, 3, 5), "the game reads fonts from .mz pictures", Kind::Font);
    add("tiny_font.mz", solidImageBytes(1, 1, {0, 0, 0}), "too small to hold a glyph", Kind::Font);
    add("few_glyphs.mz", fontBytes(10, 3, 5), "the picture stops after glyph 41 ')'", Kind::Font);
    add("tall_font.mz", fontBytes(95, 3, 12), "12 pixels high", Kind::Font);
    Bytes open = fontBytes(95, 3, 5);
    open.resize(open.size() - 3 * 20);
    add("open_font.mz", open, "the pixels end after", Kind::Font);
    add("broken_font.mz", {1, 2}, "the image header needs 4 bytes", Kind::Font);
    add("not_a_sound.wav", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'},
        "not a WAVE or VOC sound", Kind::Sound, false);

    for (const Broken& broken : corpus) {
        const std::string path = folder + "/" + broken.name;
        const Finished check = run(std::string("check ") +
                                   (broken.kind == Kind::Font ? "--font " : "") + quoted(path));
        EXPECT_EQ(check.status, 1) << broken.name << " is reported, and glpack did not crash";
        ASSERT_FALSE(check.output.empty()) << broken.name;
        for (const std::string& line : lines(check.output))
            EXPECT_EQ(line.rfind(path + ": ", 0), 0u) << line;
        EXPECT_NE(check.output.find(broken.expected), std::string::npos)
            << broken.name << " reported:\n"
            << check.output;
    }
}

TEST(Glpack, DataIsWhatArtBuilds) {
    const std::string folder = makeTempFolder();
    const Finished build = run("build art " + quoted(folder));
    ASSERT_EQ(build.status, 0) << build.output;
    std::vector<std::string> built, shipped;
    for (const auto& entry : fs::directory_iterator(folder))
        built.push_back(entry.path().filename().string());
    // The sound effects come from the synthesiser, which has a test of its
    // own, and the settings (strings.txt and the difficulties) are written by hand.
    for (const auto& entry : fs::directory_iterator("data"))
        if (entry.path().extension() != ".txt" && entry.path().extension() != ".wav")
            shipped.push_back(entry.path().filename().string());
    std::sort(built.begin(), built.end());
    std::sort(shipped.begin(), shipped.end());
    ASSERT_EQ(built, shipped) << "rebuild data/ with: cmake --build build --target data";
    for (const std::string& name : built)
        EXPECT_EQ(contents(folder + "/" + name), contents("data/" + name))
            << name << " differs from what art/ builds: cmake --build build --target data";
}

TEST(Glpack, ArtIsWhatThePainterPaints) {
    const std::string folder = makeTempFolder();
    fs::copy_file("art/palette.txt", folder + "/palette.txt");
    const Finished paint = run(quoted(folder), PAINT_ART_EXECUTABLE);
    ASSERT_EQ(paint.status, 0) << paint.output;
    // The desktop icon sits in a folder of its own, out of reach of the data build.
    const auto filesIn = [](const std::string& root) {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                names.push_back(fs::relative(entry.path(), root).string());
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> painted = filesIn(folder);
    ASSERT_EQ(painted, filesIn("art"));
    for (const std::string& name : painted)
        EXPECT_EQ(contents(folder + "/" + name), contents("art/" + name))
            << name << " differs from what the painter paints: build/paint-art art";
}
