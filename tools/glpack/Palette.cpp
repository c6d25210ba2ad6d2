#include "glpack/Palette.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

bool Palette::load(const std::string& path, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = path + ": cannot be read";
        return false;
    }
    colours.clear();
    names.clear();
    std::string line;
    for (int lineNumber = 1; std::getline(file, line); ++lineNumber) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string hex;
        if (!(words >> hex))
            continue;
        char* end = nullptr;
        const long rgb = std::strtol(hex.c_str(), &end, 16);
        if (hex.size() != 6 || *end != '\0') {
            error = path + ": line " + std::to_string(lineNumber) + ": \"" + hex +
                    "\" is not a colour written RRGGBB";
            return false;
        }
        if (rgb == kMask) {
            error = path + ": line " + std::to_string(lineNumber) +
                    ": magenta is the mask colour and cannot be a palette colour";
            return false;
        }
        std::string name;
        std::getline(words >> std::ws, name);
        colours.push_back(static_cast<int>(rgb));
        names.push_back(name);
    }
    if (colours.empty()) {
        error = path + ": holds no colours";
        return false;
    }
    return true;
}

bool Palette::allows(int rgb) const {
    return rgb == kMask || std::find(colours.begin(), colours.end(), rgb) != colours.end();
}
