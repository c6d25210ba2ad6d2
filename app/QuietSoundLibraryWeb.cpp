#include "app/QuietSoundLibrary.h"

// The browser's sound prints nothing, and there is no ALSA to load there.
void quietenSoundLibrary() {}
