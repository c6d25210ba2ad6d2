#include "app/ExecutablePath.h"

#include <filesystem>
#include <system_error>

std::string executablePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}
