#include "app/WindowIdentity.h"

#include <allegro.h>
#include <xalleg.h>

#include "app/WindowIcon.xpm"

// Allegro's X11 driver gives the window this XPM picture as its icon; the
// library defines it, without declaring it in a header.
extern "C" void* allegro_icon;

void WindowIdentity::declare() {
    xwin_set_window_name(kInstanceName, kClassName);
    allegro_icon = const_cast<char**>(kWindowIconXpm);
}
