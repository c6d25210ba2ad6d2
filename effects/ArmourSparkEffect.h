#pragma once

#include "effects/Effect.h"

// Sparks off a shell where a hit met armour, drawn as short rays that fly
// out and fade in a fraction of a second. A hit that got through, softened,
// throws a few warm sparks; a hit turned aside whole rings the shell with a
// white star all round: the clink.
class ArmourSparkEffect : public Effect {
  public:
    enum Kind { Softened, TurnedAside };

    // Centred on (x, y).
    ArmourSparkEffect(int x, int y, Kind kind);

    void draw(BITMAP* bitmap) override;

    int x, y;
    Kind kind;
};
