#include "app/Settings.h"

#include "app/CLocale.h"
#include "app/Saturating.h"

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {
// Below 0 a reach or a wait means nothing at all; not a number neither.
double heldFromZero(double value, double most) {
    if (std::isnan(value))
        return 0.0;
    return std::clamp(value, 0.0, most);
}
} // namespace

static_assert(kFastestSpeed * Settings::kLongestTime + Settings::kFarOffCanvas < INT_MAX,
              "a missile's longest flight and its splash must fit in an int");

bool Settings::load(const std::string& path) {
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    if (!file.is_open())
        return false;

    std::string line;
    while (std::getline(file, line)) {
        // Files saved on Windows end their lines with CR LF.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        parseLine(line);
    }
    return true;
}

void Settings::parseLine(const std::string& line) {
    if (line.empty() || line[0] == '#')
        return;

    std::vector<std::string> pieces;
    boost::algorithm::split(pieces, line, boost::algorithm::is_any_of("="));
    if (pieces.size() < 2)
        return;
    values[pieces[0]] = pieces[1];
}

std::vector<std::string> Settings::keys() const {
    std::vector<std::string> all;
    for (const auto& [key, value] : values)
        all.push_back(key);
    return all;
}

std::string Settings::get(const std::string& key) const {
    const auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
}

int Settings::getInt(const std::string& key) const {
    // strtol instead of atoi: atoi has no defined result for a number that
    // does not fit, and a modder's typo must not become undefined behaviour.
    const std::string value = get(key);
    const long number = std::strtol(value.c_str(), nullptr, 10);
    if (number > INT_MAX)
        return INT_MAX;
    if (number < INT_MIN)
        return INT_MIN;
    return static_cast<int>(number);
}

double Settings::getReal(const std::string& key) const {
    return cLocale::toReal(get(key));
}

int Settings::getDamage(const std::string& key) const {
    return std::clamp(getInt(key), -kMostDamage, kMostDamage);
}

int Settings::getRealDamage(const std::string& key) const {
    return std::clamp(truncatedToInt(getReal(key)), -kMostDamage, kMostDamage);
}

double Settings::getSpeed(const std::string& key) const {
    return heldSpeed(getReal(key));
}

double Settings::getRadius(const std::string& key) const {
    return heldFromZero(getReal(key), kFarOffCanvas);
}

int Settings::getPixels(const std::string& key) const {
    return std::clamp(getInt(key), -kFarOffCanvas, kFarOffCanvas);
}

double Settings::getTime(const std::string& key) const {
    return heldFromZero(getReal(key), kLongestTime);
}
