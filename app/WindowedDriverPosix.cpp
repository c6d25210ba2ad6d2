#include "app/WindowedDriver.h"

#include <allegro.h>

int windowedDriver() {
    return GFX_AUTODETECT_WINDOWED;
}
