#include "app/FileNames.h"

void useUtf8FileNames() {}

gzFile openCompressedFile(const std::string& name, const char* mode) {
    return gzopen(name.c_str(), mode);
}
