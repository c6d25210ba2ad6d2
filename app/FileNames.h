#pragma once

#include <zlib.h>

#include <string>

// Files named in UTF-8, as the game carries every name. Linux takes the bytes
// as they are; Windows would read them in the code page, which cannot hold
// every player's folder names, so there the wide calls open them.

// From now on Allegro's loaders (load_bitmap, load_sample) read names as UTF-8.
void useUtf8FileNames();

// gzopen for a name in UTF-8.
gzFile openCompressedFile(const std::string& name, const char* mode);
