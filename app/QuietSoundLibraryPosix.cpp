#include "app/QuietSoundLibrary.h"

#include <dlfcn.h>

namespace {

// ALSA's error handler: printf-style, one call per message.
void ignoreMessage(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void quietenSoundLibrary() {
    // Only the ALSA that Allegro already loaded: the game links none itself.
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!alsa)
        return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto setHandler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        setHandler(ignoreMessage);
    dlclose(alsa);
}
