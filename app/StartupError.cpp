#include "app/StartupError.h"

#include "app/ErrorWindow.h"

#include <cstdio>

void reportStartupError(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "groundline: " + line + "\n";
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
    showErrorWindow(text);
}
