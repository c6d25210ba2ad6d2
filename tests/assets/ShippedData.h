#pragma once

#include <allegro.h>

#include <map>
#include <memory>
#include <string>

class Settings;

// Looks at the shipped data/ the way the game does: through load_bitmap,
// SpriteSheet and BitmapFont, from the repository root.
namespace shippedData {

// The settings the game starts with.
const Settings& settings();

struct BitmapDeleter {
    void operator()(BITMAP* bitmap) const { destroy_bitmap(bitmap); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

Bitmap image(const std::string& path);

// The pixel as 0xRRGGBB, whatever the bitmap's pixel layout.
int rgb(const BITMAP* bitmap, int x, int y);
constexpr int kMask = 0xff00ff;

// Pixels in the rectangle that are not the mask colour.
int opaquePixels(const BITMAP* bitmap, int x, int y, int width, int height);
// Whether two same-sized bitmaps differ anywhere.
bool differ(const BITMAP* a, const BITMAP* b);
// The colour that most pixels counted have.
int mostCommon(const std::map<int, int>& colourCounts);
// Perceived brightness of an 0xRRGGBB colour, 0 to 255.
int brightness(int rgb);
// Whether red clearly dominates the colour.
bool reddish(int rgb);

} // namespace shippedData
