#include "app/Records.h"

int Records::bestWaves() const {
    return 0;
}

void Records::keep(int) {}

std::optional<std::string> Records::readSave() {
    return std::nullopt;
}

void Records::writeSave(const std::string&) {}

void Records::dropSave() {}

std::string Records::setSaveAside() {
    return "";
}

std::string Records::settingsHash() const {
    return "";
}

std::optional<std::string> Records::readMeetings() {
    return std::nullopt;
}

void Records::writeMeetings(const std::string&) {}
