#include "gfx/BitmapFont.h"

#include "app/CLocale.h"
#include "app/Saturating.h"
#include "gfx/PackedImage.h"

#include <allegro.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <filesystem>
#include <fstream>

namespace {

using FormattedText = char[BitmapFont::kMaxFormattedLength + 1];

// Numbers are drawn as the settings write them, with a "." for the decimal
// point, even after Allegro has switched the process to the player's locale.
void formatText(FormattedText& text, const char* format, va_list arguments) {
    cLocale::format(text, sizeof text, format, arguments);
}

// Allegro clips with int sums of position and size, which wrap round for a
// glyph that an absurd kerning has pushed to the end of the int range; such a
// glyph would land inside the bitmap. What lies wholly outside it is skipped.
bool overlaps(const BITMAP* bitmap, const BITMAP* glyph, int x, int y) {
    const long long right = static_cast<long long>(x) + glyph->w;
    const long long bottom = static_cast<long long>(y) + glyph->h;
    return x < bitmap->w && y < bitmap->h && right > 0 && bottom > 0;
}

// Glyph problems reported one by one before the rest are only counted: a
// picture that is no font at all would give a line for every pixel column.
constexpr int kMaxGlyphReports = 8;

std::string glyphName(int code) {
    std::string name = "glyph " + std::to_string(code);
    if (code > 32 && code < 127)
        name += std::string(" '") + static_cast<char>(code) + "'";
    return name;
}

// The picture as load_bitmap gives it to the game, saying why when it gives
// nothing.
BITMAP* loadPicture(const std::string& fileName, std::vector<Problem>& problems) {
    std::string extension = get_extension(fileName.c_str());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "mz")
        return readPackedImageFile(fileName, &problems);

    BITMAP* picture = load_bitmap(fileName.c_str(), nullptr);
    if (picture)
        return picture;
    static const char* const gameFormats[] = {"bmp", "pcx", "tga", "lbm"};
    if (!std::ifstream(std::filesystem::u8path(fileName)))
        problems.push_back({"", "cannot be opened", true});
    else if (std::find(std::begin(gameFormats), std::end(gameFormats), extension) ==
             std::end(gameFormats))
        problems.push_back(
            {"",
             "the game reads fonts from .mz pictures (or BMP, PCX, TGA, LBM), not ." + extension,
             true});
    else
        problems.push_back({"", "the game cannot load the picture", true});
    return nullptr;
}

} // namespace

BitmapFont::BitmapFont(const std::string& fileName, std::vector<Problem>* problems)
    : image(problems ? loadPicture(fileName, *problems) : load_bitmap(fileName.c_str(), nullptr)) {
    if (image)
        cutGlyphs(problems);
}

BitmapFont::~BitmapFont() {
    for (BITMAP* glyph : glyphs) {
        if (glyph)
            destroy_bitmap(glyph);
    }
    if (image)
        destroy_bitmap(image);
}

// Every scan stops at the image's edge, so an image whose last glyph is not
// closed by a border pixel still loads: that glyph runs to the edge.
void BitmapFont::cutGlyphs(std::vector<Problem>* problems) {
    const int width = image->w;
    const int height = image->h;
    if (width < 2 || height < 2) {
        reportProblem(problems, "", "the picture is too small to hold a glyph", false);
        return;
    }

    int glyphProblems = 0;
    const auto reportGlyph = [&](int code, int x0, int y0, const std::string& what) {
        if (++glyphProblems <= kMaxGlyphReports)
            reportProblem(problems,
                          glyphName(code) + " at " + std::to_string(x0) + "," + std::to_string(y0),
                          what, false);
    };

    const int border = getpixel(image, 0, 0);
    unsigned char code = kFirstCode;
    int glyphCount = 0;
    int x0 = 1;
    int y0 = 1;
    while (true) {
        int right = x0;
        while (right < width && getpixel(image, right, y0) != border)
            ++right;
        int bottom = y0;
        while (bottom < height && getpixel(image, x0, bottom) != border)
            ++bottom;

        // The game cuts such a glyph at the edge and says nothing.
        if (right == width)
            reportGlyph(code, x0, y0,
                        "no border pixel closes its top row before the picture's edge");
        if (bottom == height)
            reportGlyph(code, x0, y0,
                        "no border pixel closes its left column before the picture's edge");
        if (bottom - y0 > kMaxGlyphHeight)
            reportGlyph(code, x0, y0,
                        std::to_string(bottom - y0) + " pixels high; texts are drawn into " +
                            std::to_string(kMaxGlyphHeight) + "-pixel-high images");

        if (glyphs[code])
            destroy_bitmap(glyphs[code]);
        glyphs[code] = create_sub_bitmap(image, x0, y0, right - x0, bottom - y0);
        ++code;
        ++glyphCount;

        int x = right;
        while (x < width && getpixel(image, x, y0) == border)
            ++x;
        if (x < width) {
            x0 = x;
            continue;
        }

        int y = bottom;
        while (y < height && getpixel(image, 1, y) == border)
            ++y;
        if (y >= height)
            break;
        x0 = 1;
        y0 = y;
    }

    if (!problems)
        return;
    if (glyphProblems > kMaxGlyphReports)
        problems->push_back({"",
                             "and " + std::to_string(glyphProblems - kMaxGlyphReports) +
                                 " more problems with glyphs like those",
                             false});
    const int lastCode = kFirstCode + glyphCount - 1;
    if (lastCode < kLastCode)
        problems->push_back({"",
                             "glyphs are needed for codes " + std::to_string(kFirstCode) + " to " +
                                 std::to_string(kLastCode) + "; the picture stops after " +
                                 glyphName(lastCode),
                             false});
    if (lastCode > 255)
        problems->push_back(
            {"",
             std::to_string(glyphCount) +
                 " glyphs: those past code 255 wrap round and replace codes from 0 up",
             false});
}

void BitmapFont::drawText(BITMAP* bitmap, int x, int y, const char* text) const {
    if (!bitmap || !text)
        return;
    for (const char* c = text; *c; ++c) {
        BITMAP* glyph = glyphs[static_cast<unsigned char>(*c)];
        if (!glyph)
            continue;
        if (overlaps(bitmap, glyph, x, y))
            draw_sprite(bitmap, glyph, x, y);
        x = saturatingAdd(x, saturatingAdd(kerning, glyph->w));
    }
}

void BitmapFont::drawTextCentred(BITMAP* bitmap, int x, int y, const char* text) const {
    drawText(bitmap, saturatingSubtract(x, textWidth(text) / 2), y, text);
}

void BitmapFont::drawTextRight(BITMAP* bitmap, int x, int y, const char* text) const {
    drawText(bitmap, saturatingSubtract(x, textWidth(text)), y, text);
}

int BitmapFont::textWidth(const char* text) const {
    if (!text)
        return 0;
    int width = 0;
    for (const char* c = text; *c; ++c) {
        const BITMAP* glyph = glyphs[static_cast<unsigned char>(*c)];
        if (glyph)
            width = saturatingAdd(width, saturatingAdd(kerning, glyph->w));
    }
    return width;
}

void BitmapFont::drawTextf(BITMAP* bitmap, int x, int y, const char* format, ...) const {
    FormattedText text;
    va_list arguments;
    va_start(arguments, format);
    formatText(text, format, arguments);
    va_end(arguments);
    drawText(bitmap, x, y, text);
}

void BitmapFont::drawTextCentredf(BITMAP* bitmap, int x, int y, const char* format, ...) const {
    FormattedText text;
    va_list arguments;
    va_start(arguments, format);
    formatText(text, format, arguments);
    va_end(arguments);
    drawTextCentred(bitmap, x, y, text);
}

void BitmapFont::drawTextRightf(BITMAP* bitmap, int x, int y, const char* format, ...) const {
    FormattedText text;
    va_list arguments;
    va_start(arguments, format);
    formatText(text, format, arguments);
    va_end(arguments);
    drawTextRight(bitmap, x, y, text);
}

int BitmapFont::textWidthf(const char* format, ...) const {
    FormattedText text;
    va_list arguments;
    va_start(arguments, format);
    formatText(text, format, arguments);
    va_end(arguments);
    return textWidth(text);
}
