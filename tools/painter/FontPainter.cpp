#include "painter/FontPainter.h"

#include "painter/Ink.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kFirstCode = 32;
constexpr int kGlyphCount = 95;
constexpr int kGlyphsPerRow = 16;
// Nothing in a glyph is ever this colour, so the game can find the boxes.
constexpr int kBorder = Ink::Green;

// The main font, one entry per code from 32: rows top to bottom separated by
// "/", "#" for ink. Capitals fill rows 0 to 6, descenders rows 7 and 8.
const char* const kMainGlyphs[] = {
    "../../../../../../.",                          // space
    "#/#/#/#/#/./#",                                // !
    "#.#/#.#",                                      // "
    "...../.#.#./#####/#####/.###./..#..",          // # is a heart: the health symbol
    "..#../.####/#.#../.###./..#.#/####./..#..",    // $
    "##..#/##..#/...#./..#../.#.../#..##/#..##",    // %
    ".##../#..#./.##../.#.../#.#.#/#..#./.##.#",    // &
    "#/#",                                          // '
    ".#/#./#./#./#./#./.#",                         // (
    "#./.#/.#/.#/.#/.#/#.",                         // )
    ".../#.#/.#./#.#",                              // *
    ".../.../.#./###/.#.",                          // +
    "../../../../../.#/.#/#.",                      // ,
    "..../..../..../####",                          // -
    "././././././#",                                // .
    "...#/...#/..#./..#./.#../.#../#...",           // /
    ".##./#..#/#..#/#..#/#..#/#..#/.##.",           // 0
    ".#../##../.#../.#../.#../.#../###.",           // 1
    ".##./#..#/...#/..#./.#../#.../####",           // 2
    "###./...#/...#/.##./...#/...#/###.",           // 3
    "#..#/#..#/#..#/####/...#/...#/...#",           // 4
    "####/#.../###./...#/...#/#..#/.##.",           // 5
    ".##./#.../#.../###./#..#/#..#/.##.",           // 6
    "####/...#/..#./..#./.#../.#../.#..",           // 7
    ".##./#..#/#..#/.##./#..#/#..#/.##.",           // 8
    ".##./#..#/#..#/.###/...#/...#/.##.",           // 9
    "././#/./././#",                                // :
    "../../.#/../../.#/.#/#.",                      // ;
    "..../..#/.#./#../.#./..#",                     // <
    ".../.../###/.../###",                          // =
    "..../#../.#./..#/.#./#..",                     // >
    ".##./#..#/...#/..#./.#../..../.#..",           // ?
    ".###./#...#/#.###/#.#.#/#.##./#..../.###.",    // @
    ".##./#..#/#..#/####/#..#/#..#/#..#",           // A
    "###./#..#/#..#/###./#..#/#..#/###.",           // B
    ".##./#..#/#.../#.../#.../#..#/.##.",           // C
    "###./#..#/#..#/#..#/#..#/#..#/###.",           // D
    "####/#.../#.../###./#.../#.../####",           // E
    "####/#.../#.../###./#.../#.../#...",           // F
    ".##./#..#/#.../#.##/#..#/#..#/.###",           // G
    "#..#/#..#/#..#/####/#..#/#..#/#..#",           // H
    "###/.#./.#./.#./.#./.#./###",                  // I
    "..##/...#/...#/...#/#..#/#..#/.##.",           // J
    "#..#/#..#/#.#./##../#.#./#..#/#..#",           // K
    "#.../#.../#.../#.../#.../#.../####",           // L
    "#...#/##.##/#.#.#/#.#.#/#...#/#...#/#...#",    // M
    "#..#/##.#/##.#/#.##/#.##/#..#/#..#",           // N
    ".##./#..#/#..#/#..#/#..#/#..#/.##.",           // O
    "###./#..#/#..#/###./#.../#.../#...",           // P
    ".##./#..#/#..#/#..#/#..#/#.#./.#.#",           // Q
    "###./#..#/#..#/###./#.#./#..#/#..#",           // R
    ".###/#.../#.../.##./...#/...#/###.",           // S
    "#####/..#../..#../..#../..#../..#../..#..",    // T
    "#..#/#..#/#..#/#..#/#..#/#..#/.##.",           // U
    "#...#/#...#/#...#/#...#/.#.#./.#.#./..#..",    // V
    "#...#/#...#/#...#/#.#.#/#.#.#/##.##/#...#",    // W
    "#..#/#..#/#..#/.##./#..#/#..#/#..#",           // X
    "#...#/#...#/.#.#./..#../..#../..#../..#..",    // Y
    "####/...#/..#./.#../#.../#.../####",           // Z
    "##/#./#./#./#./#./##",                         // [
    "#.../#.../.#../.#../..#./..#./...#",           // backslash
    "##/.#/.#/.#/.#/.#/##",                         // ]
    ".#./#.#",                                      // ^
    "..../..../..../..../..../..../..../####",      // _
    "#./.#",                                        // `
    "..../..../.###/#..#/#..#/#..#/.###",           // a
    "#.../#.../###./#..#/#..#/#..#/###.",           // b
    "..../..../.###/#.../#.../#.../.###",           // c
    "...#/...#/.###/#..#/#..#/#..#/.###",           // d
    "..../..../.##./#..#/####/#.../.###",           // e
    "..#/.#./###/.#./.#./.#./.#.",                  // f
    "..../..../.###/#..#/#..#/#..#/.###/...#/.##.", // g
    "#.../#.../###./#..#/#..#/#..#/#..#",           // h
    "#/./#/#/#/#/#",                                // i
    ".#/../.#/.#/.#/.#/.#/.#/#.",                   // j
    "#.../#.../#..#/#.#./##../#.#./#..#",           // k
    "#./#./#./#./#./#./.#",                         // l
    "...../...../##.#./#.#.#/#.#.#/#.#.#/#.#.#",    // m
    "..../..../###./#..#/#..#/#..#/#..#",           // n
    "..../..../.##./#..#/#..#/#..#/.##.",           // o
    "..../..../###./#..#/#..#/#..#/###./#.../#...", // p
    "..../..../.###/#..#/#..#/#..#/.###/...#/...#", // q
    ".../.../#.#/##./#../#../#..",                  // r
    "..../..../.###/#.../.##./...#/###.",           // s
    ".#./.#./###/.#./.#./.#./..#",                  // t
    "..../..../#..#/#..#/#..#/#..#/.###",           // u
    "...../...../#...#/#...#/.#.#./.#.#./..#..",    // v
    "...../...../#...#/#...#/#.#.#/#.#.#/.#.#.",    // w
    "..../..../#..#/#..#/.##./#..#/#..#",           // x
    "..../..../#..#/#..#/#..#/#..#/.###/...#/.##.", // y
    "..../..../####/...#/.##./#.../####",           // z
    "..#/.#./.#./#../.#./.#./..#",                  // {
    "#/#/#/#/#/#/#",                                // |
    "#../.#./.#./..#/.#./.#./#..",                  // }
    "..../..../.#.#/#.#.",                          // ~
};

// The small font: capitals and figures 5 rows high, a sixth row for the
// tails of "," and ";". Lower case uses the capitals.
const char* const kSmallGlyphs[] = {
    "./././././.",                   // space
    "#/#/#/./#",                     // !
    "#.#/#.#",                       // "
    "#.#/###/#.#/###/#.#",           // #
    ".##/##./.#./.##/##.",           // $
    "#.#/..#/.#./#../#.#",           // %
    ".#./#.#/.#./#.#/.##",           // &
    "#/#",                           // '
    ".#/#./#./#./.#",                // (
    "#./.#/.#/.#/#.",                // )
    "#.#/.#./#.#",                   // *
    ".../.#./###/.#.",               // +
    "../../../.#/.#/#.",             // ,
    ".../.../###",                   // -
    "././././#",                     // .
    "..#/..#/.#./#../#..",           // /
    "###/#.#/#.#/#.#/###",           // 0
    ".#./##./.#./.#./###",           // 1
    "###/..#/###/#../###",           // 2
    "###/..#/.##/..#/###",           // 3
    "#.#/#.#/###/..#/..#",           // 4
    "###/#../###/..#/###",           // 5
    "###/#../###/#.#/###",           // 6
    "###/..#/..#/.#./.#.",           // 7
    "###/#.#/###/#.#/###",           // 8
    "###/#.#/###/..#/###",           // 9
    "./#/./#/.",                     // :
    "../.#/../.#/.#/#.",             // ;
    "..#/.#./#../.#./..#",           // <
    ".../###/.../###",               // =
    "#../.#./..#/.#./#..",           // >
    "###/..#/.##/.../.#.",           // ?
    ".##./#.##/#.##/#.../.##.",      // @
    ".#./#.#/###/#.#/#.#",           // A
    "##./#.#/##./#.#/##.",           // B
    ".##/#../#../#../.##",           // C
    "##./#.#/#.#/#.#/##.",           // D
    "###/#../##./#../###",           // E
    "###/#../##./#../#..",           // F
    ".##/#../#.#/#.#/.##",           // G
    "#.#/#.#/###/#.#/#.#",           // H
    "###/.#./.#./.#./###",           // I
    "..#/..#/..#/#.#/.#.",           // J
    "#.#/#.#/##./#.#/#.#",           // K
    "#../#../#../#../###",           // L
    "#...#/##.##/#.#.#/#...#/#...#", // M
    "#..#/##.#/#.##/#..#/#..#",      // N
    ".#./#.#/#.#/#.#/.#.",           // O
    "##./#.#/##./#../#..",           // P
    ".#./#.#/#.#/#.#/.##",           // Q
    "##./#.#/##./#.#/#.#",           // R
    ".##/#../.#./..#/##.",           // S
    "###/.#./.#./.#./.#.",           // T
    "#.#/#.#/#.#/#.#/###",           // U
    "#.#/#.#/#.#/#.#/.#.",           // V
    "#...#/#...#/#.#.#/##.##/#...#", // W
    "#.#/#.#/.#./#.#/#.#",           // X
    "#.#/#.#/.#./.#./.#.",           // Y
    "###/..#/.#./#../###",           // Z
    "##/#./#./#./##",                // [
    "#../#../.#./..#/..#",           // backslash
    "##/.#/.#/.#/##",                // ]
    ".#./#.#",                       // ^
    ".../.../.../.../###",           // _
    "#./.#",                         // `
};
static_assert(sizeof kMainGlyphs / sizeof *kMainGlyphs == kGlyphCount, "one glyph per code");
static_assert(sizeof kSmallGlyphs / sizeof *kSmallGlyphs == '`' - kFirstCode + 1,
              "the small font's own glyphs end at the backquote");

// After the capitals' block: { | } ~ in the small font.
const char* const kSmallTail[] = {
    ".##/.#./#../.#./.##",
    "#/#/#/#/#",
    "##./.#./..#/.#./##.",
    "..../.#.#/#.#.",
};
static_assert(sizeof kSmallTail / sizeof *kSmallTail == '~' - '{' + 1, "codes { to ~");

std::vector<std::string> splitRows(const std::string& glyph) {
    std::vector<std::string> rows;
    size_t start = 0;
    while (true) {
        const size_t slash = glyph.find('/', start);
        rows.push_back(glyph.substr(start, slash - start));
        if (slash == std::string::npos)
            return rows;
        start = slash + 1;
    }
}

// One glyph box: the ink, its shadow one pixel down and right, clear elsewhere.
Picture glyphBox(const std::string& glyph, int height, int ink, int shadow) {
    const std::vector<std::string> rows = splitRows(glyph);
    size_t width = 0;
    for (const std::string& row : rows)
        width = std::max(width, row.size());
    Picture box(static_cast<int>(width) + 1, height);
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            if (rows[y][x] != '#')
                continue;
            if (box.at(static_cast<int>(x) + 1, static_cast<int>(y) + 1) == Picture::kClear)
                box.set(static_cast<int>(x) + 1, static_cast<int>(y) + 1, shadow);
            box.set(static_cast<int>(x), static_cast<int>(y), ink);
        }
    }
    return box;
}

// The font image: rows of glyph boxes, one border pixel between boxes and
// rows, and border everywhere else.
Picture fontImage(const std::vector<std::string>& glyphs, int height, int ink, int shadow) {
    std::vector<Picture> boxes;
    for (const std::string& glyph : glyphs)
        boxes.push_back(glyphBox(glyph, height, ink, shadow));

    const int rows = (static_cast<int>(boxes.size()) + kGlyphsPerRow - 1) / kGlyphsPerRow;
    int width = 0;
    for (int r = 0; r < rows; ++r) {
        int rowWidth = 1;
        for (int g = r * kGlyphsPerRow; g < std::min<int>(boxes.size(), (r + 1) * kGlyphsPerRow);
             ++g)
            rowWidth += boxes[g].width() + 1;
        width = std::max(width, rowWidth);
    }
    Picture image(width, 1 + rows * (height + 1), kBorder);
    for (int r = 0; r < rows; ++r) {
        int x = 1;
        for (int g = r * kGlyphsPerRow; g < std::min<int>(boxes.size(), (r + 1) * kGlyphsPerRow);
             ++g) {
            image.fillRect(x, 1 + r * (height + 1), boxes[g].width(), height, Picture::kClear);
            image.stamp(x, 1 + r * (height + 1), boxes[g]);
            x += boxes[g].width() + 1;
        }
    }
    return image;
}

} // namespace

Picture FontPainter::mainFont(int ink, int shadow) {
    return fontImage(std::vector<std::string>(kMainGlyphs, kMainGlyphs + kGlyphCount), kMainHeight,
                     ink, shadow);
}

Picture FontPainter::smallFont(int ink, int shadow) {
    std::vector<std::string> glyphs(std::begin(kSmallGlyphs), std::end(kSmallGlyphs));
    // Lower case: the capitals again, codes 97 to 122.
    for (int code = 'a'; code <= 'z'; ++code)
        glyphs.push_back(kSmallGlyphs[code - 'a' + 'A' - kFirstCode]);
    glyphs.insert(glyphs.end(), std::begin(kSmallTail), std::end(kSmallTail));
    return fontImage(glyphs, kSmallHeight, ink, shadow);
}
