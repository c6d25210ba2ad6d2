#include "app/Storage.h"

Records* Storage::records(const std::string&) {
    return nullptr;
}

std::optional<std::string> Storage::readOptions() {
    return std::nullopt;
}

void Storage::writeOptions(const std::string&) {}
