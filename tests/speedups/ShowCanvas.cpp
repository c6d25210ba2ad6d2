// A window that shows one made-up canvas, doubled either by the canvas itself
// ("enlarge") or by stretch_blit ("stretch"), redrawn until its close button
// is pressed, so that a test can compare what reaches the X server both ways.

#include "app/Canvas.h"

#include <allegro.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::atomic<bool> closing{false};

void onCloseButton() {
    closing = true;
}

// Allegro's start-up now and then fails for a moment while another client
// reads the window list, as the test harness does.
bool startAllegro() {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (allegro_init() == 0)
            return true;
        if (errno != EAGAIN)
            return false;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const bool enlarge = argc > 1 && std::strcmp(argv[1], "enlarge") == 0;
    if (!startAllegro()) {
        std::fprintf(stderr, "show-canvas: the library did not start\n");
        return 1;
    }
    install_timer();
    set_color_depth(32);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) != 0) {
        std::fprintf(stderr, "show-canvas: no window: %s\n", allegro_error);
        return 1;
    }
    set_window_title("show-canvas");
    set_close_button_callback(onCloseButton);

    // Every canvas pixel different from its neighbours, so that a block out
    // of place shows.
    Canvas canvas(320, 240);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            putpixel(canvas.bitmap, x, y, makecol(x & 255, y, (x * 7 + y * 13) & 255));

    while (!closing) {
        if (enlarge)
            canvas.stretchOnto(screen);
        else
            stretch_blit(canvas.bitmap, screen, 0, 0, 320, 240, 0, 0, SCREEN_W, SCREEN_H);
        rest(5);
    }
    return 0;
}
END_OF_MAIN()
