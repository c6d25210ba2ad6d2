#pragma once

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

    // Stretches the whole canvas over the whole of another bitmap.
    void stretchOnto(BITMAP* target);

    BITMAP* bitmap;
};

// Turns a bitmap grey in place, the mask colour included, by the usual
// luminance weights 0.30, 0.59 and 0.11.
void greyOut(BITMAP* bitmap);
