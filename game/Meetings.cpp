#include "game/Meetings.h"

#include "app/Engine.h"
#include "app/Records.h"
#include "app/Storage.h"

namespace {

// What names the memory's record: the laid settings, key by key, under a
// heading that no strings.txt begins with, so that its file never meets the
// best wave's.
std::string memoryName(const Settings& settings) {
    std::string bytes = "groundline first meetings\n";
    for (const std::string& key : settings.keys())
        bytes += key + "=" + settings.get(key) + "\n";
    return bytes;
}

} // namespace

Meetings::Meetings(Engine& engine) : kept(engine.storage->records(memoryName(engine.settings))) {
    if (kept)
        known = kept->bestWaves();
}

bool Meetings::met(int kind) const {
    if (kind < 0 || kind >= kRememberedKinds)
        return true;
    return (known >> kind) & 1;
}

void Meetings::meet(int kind) {
    if (met(kind))
        return;
    // The kept number only ever grows, as a best wave does, so keeping the
    // larger of the old and the new keeps every bit.
    known |= 1 << kind;
    if (kept)
        kept->keep(known);
}
