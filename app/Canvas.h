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

    // Stretches the whole canvas over the whole screen. Does nothing without a
    // graphics mode, so headless runs can draw frames too.
    void stretchToScreen();

    // Stretches the whole canvas over the whole of another bitmap, honouring
    // its clip rectangle. A target a whole number of times the canvas's size
    // gets each canvas pixel as a square block, the same pixels as
    // stretch_blit gives but several times faster.
    void stretchOnto(BITMAP* target);

    BITMAP* bitmap;

  private:
    // Writes each canvas pixel as a factor x factor block into the target.
    void enlargeOnto(BITMAP* target, int factor);

    // One enlarged canvas row, kept between frames so that no frame allocates.
    std::vector<uint32_t> enlargedRow;
};

// Turns a bitmap grey in place, the mask colour included, by the usual
// luminance weights 0.30, 0.59 and 0.11. Only the clip rectangle changes
// while the bitmap's clipping is on.
void greyOut(BITMAP* bitmap);
