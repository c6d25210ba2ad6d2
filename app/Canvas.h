#pragma once

#include <cstdint>
#include <vector>

struct BITMAP;

// The off-screen surface that every frame is drawn into before it is shown
// doubled in the window.
class Canvas {
  public:
    // A memory bitmap of this size in the colour depth in force now.
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Stretches the whole canvas over the whole screen, unless the screen
    // shows it already: the window system's copy of the picture is most of
    // what a quiet frame costs. Does nothing without a graphics mode, so
    // headless runs can draw frames too. Whether it put the picture there.
    bool stretchToScreen(bool evenUnchanged = false);
    // Puts the next frame on the screen whatever it shows, as a new window
    // needs.
    void forgetShown() { shownPixels.clear(); }

    // Stretches the whole canvas over the whole of another bitmap, honouring
    // its clip rectangle. A target a whole number of times the canvas's size
    // gets each canvas pixel as a square block, the same pixels as
    // stretch_blit gives but several times faster.
    void stretchOnto(BITMAP* target);

    BITMAP* bitmap;

  private:
    // Writes each canvas pixel as a factor x factor block into a 32-bit
    // memory bitmap, within its clip rectangle.
    void enlargeOnto(BITMAP* target, int factor);
    // A 32-bit memory bitmap of the size given, made once; null without memory.
    BITMAP* enlargedFrame(int width, int height);

    // Kept between frames so that no frame allocates: one enlarged canvas
    // row, and the enlarged frame on its way to the screen.
    std::vector<uint32_t> enlargedRow;
    BITMAP* enlarged = nullptr;
    // The canvas as last put on the screen; empty when not known.
    std::vector<uint32_t> shownPixels;

    // Whether the canvas differs from shownPixels, which it then becomes.
    bool changedSinceShown();
};

// Turns a bitmap grey in place, the mask colour included, by the usual
// luminance weights 0.30, 0.59 and 0.11. Only the clip rectangle changes
// while the bitmap's clipping is on.
void greyOut(BITMAP* bitmap);
