#include "app/FileNames.h"

#include "app/WideText.h"

#include <allegro.h>

void useUtf8FileNames() {
    // Allegro's text is UTF-8 already; this makes it open files through the
    // wide calls, converting each name from that text.
    set_filename_encoding(U_UNICODE);
}

gzFile openCompressedFile(const std::string& name, const char* mode) {
    return gzopen_w(wideText(name).c_str(), mode);
}
