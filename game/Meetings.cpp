#include "game/Meetings.h"

#include "app/Engine.h"
#include "app/Records.h"
#include "invaders/InvaderKind.h"

#include <sstream>

namespace {

const char* const kHeading = "groundline met 1";

std::string keyOf(const InvaderKind& kind) {
    return "Invader" + std::to_string(kind.settingsNumber);
}

} // namespace

Meetings::Meetings(Engine& engine) : records(engine.records), known(kept()) {}

bool Meetings::met(int kind) const {
    return kind < 0 || kind >= static_cast<int>(known.size()) || known[static_cast<std::size_t>(kind)];
}

void Meetings::meet(int kind) {
    if (met(kind))
        return;
    known[static_cast<std::size_t>(kind)] = true;
    if (!records)
        return;
    // Whatever another copy of the game has met since this one started
    // stays met.
    const std::vector<bool> stored = kept();
    for (std::size_t i = 0; i < known.size(); ++i)
        known[i] = known[i] || stored[i];
    records->writeMeetings(write(known));
}

std::vector<bool> Meetings::kept() const {
    std::optional<std::string> bytes;
    if (records)
        bytes = records->readMeetings();
    // A file that does not read costs only cards seen again.
    const std::optional<std::vector<bool>> stored = bytes ? read(*bytes) : std::nullopt;
    return stored ? *stored : std::vector<bool>(invaderKinds().size(), false);
}

std::optional<std::vector<bool>> Meetings::read(const std::string& bytes) {
    std::istringstream in(bytes);
    std::string line;
    if (!std::getline(in, line) || line != kHeading)
        return std::nullopt;
    std::vector<bool> met(invaderKinds().size(), false);
    while (std::getline(in, line)) {
        bool named = false;
        for (std::size_t kind = 0; kind < met.size(); ++kind)
            if (line == keyOf(invaderKinds()[kind]))
                met[kind] = named = true;
        if (!named)
            return std::nullopt;
    }
    return met;
}

std::string Meetings::write(const std::vector<bool>& met) {
    std::string bytes = std::string(kHeading) + "\n";
    for (std::size_t kind = 0; kind < met.size(); ++kind)
        if (met[kind])
            bytes += keyOf(invaderKinds()[kind]) + "\n";
    return bytes;
}
