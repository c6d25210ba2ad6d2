#include "invaders/InvaderKind.h"

#include "invaders/Broodmother.h"
#include "invaders/Dartling.h"
#include "invaders/Shellback.h"
#include "invaders/Squibble.h"

namespace {

template <typename Kind> Invader* makeKind(int kind, int waveNumber) {
    return new Kind(kind, waveNumber);
}

} // namespace

const std::vector<InvaderKind>& invaderKinds() {
    // The shellback turns hits aside in animation 4; the dartling dives in it.
    static const std::vector<InvaderKind> kinds = {
        {1, makeKind<Squibble>, 4, "squibbles", false, false},
        {2, makeKind<Shellback>, 5, "shellbacks", false, false},
        {3, makeKind<Dartling>, 5, "dartlings", false, true},
        {4, makeKind<Broodmother>, 4, "broodmothers", true, true},
    };
    return kinds;
}

int invaderKindCount() {
    return static_cast<int>(invaderKinds().size());
}

Invader* makeInvader(int kind, int waveNumber) {
    if (kind < 0 || kind >= invaderKindCount())
        return nullptr;
    return invaderKinds()[kind].make(kind, waveNumber);
}
