#include "effects/BannerEffect.h"

#include "effects/TextImage.h"
#include "game/Layout.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kLifetime = 3.0;
// The band opens and closes from the middle over this long.
constexpr double kOpenTime = 0.25;
// The text shows while the band is open, dark for kBlinkOff of every kBlink.
constexpr double kBlink = 0.5;
constexpr double kBlinkOff = 0.12;
// Half the band's height: a line of the main font and a pixel of room, and
// half a line more for each line of notes.
constexpr int kHalfHeight = 7;
constexpr int kNoteLineHeight = 8;
// A banner with notes stays long enough for them to be read.
constexpr double kNotesLifetime = 5.0;
} // namespace

BannerEffect::BannerEffect(int y, const BitmapFont* font, const char* text,
                           const BitmapFont* notesFont, const std::vector<std::string>& notes)
    : y(y), image(renderTextImage(font, text)) {
    lifetime = notes.empty() ? kLifetime : kNotesLifetime;
    if (notesFont)
        for (const std::string& note : notes)
            noteImages.push_back(renderTextImage(notesFont, note.c_str()));
}

BannerEffect::~BannerEffect() {
    if (image)
        destroy_bitmap(image);
    for (BITMAP* note : noteImages)
        destroy_bitmap(note);
}

void BannerEffect::draw(BITMAP* bitmap) {
    if (!bitmap)
        return;
    const double opened = std::min({age / kOpenTime, (lifetime - age) / kOpenTime, 1.0});
    if (!(opened > 0.0))
        return;
    const int halfWidth = static_cast<int>(opened * layout::kCanvasWidth / 2);
    const int middle = layout::kCanvasWidth / 2;
    const int left = middle - halfWidth;
    const int right = middle + halfWidth - 1;
    const int notesHeight = static_cast<int>(noteImages.size()) * kNoteLineHeight;
    const int top = y - kHalfHeight - notesHeight / 2;
    const int bottom = y + kHalfHeight + (notesHeight + 1) / 2;
    rectfill(bitmap, left, top, right, bottom, makecol(0x1d, 0x2b, 0x53));
    hline(bitmap, left, top, right, makecol(0xff, 0x00, 0x4d));
    hline(bitmap, left, bottom, right, makecol(0xff, 0x00, 0x4d));
    if (opened < 1.0)
        return;

    const int textY = top + kHalfHeight - kTextImageHeight / 2 + 1;
    const bool lit = std::fmod(age - kOpenTime, kBlink) >= kBlinkOff;
    if (lit && image)
        masked_blit(image, bitmap, 0, 0, middle - image->w / 2, textY, image->w, image->h);
    // The notes hold still, so that they can be read while the name blinks.
    int noteY = textY + kTextImageHeight;
    for (BITMAP* note : noteImages) {
        masked_blit(note, bitmap, 0, 0, middle - note->w / 2, noteY, note->w, note->h);
        noteY += kNoteLineHeight;
    }
}
