#pragma once

// Stops the system's sound library from printing its complaints, such as
// "cannot find card '0'" on a machine without sound, on standard error.
// Call it after the graphics library has started, which loads the sound
// library, and before the sound device is opened.
void quietenSoundLibrary();
