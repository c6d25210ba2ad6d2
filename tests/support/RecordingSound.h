#pragma once

#include "app/Sound.h"

#include <algorithm>
#include <vector>

// A sound that plays nothing and keeps every effect asked of it, in order,
// with the canvas x it was asked for at.
class RecordingSound : public Sound {
  public:
    void play(SoundEffect effect, int x) override { played.push_back({effect, x}); }
    void toggleMute() override { ++toggles; }

    // How many times the effect was asked for.
    long heard(SoundEffect effect) const {
        return std::count_if(played.begin(), played.end(),
                             [effect](const Played& p) { return p.effect == effect; });
    }

    struct Played {
        SoundEffect effect;
        int x;
    };
    std::vector<Played> played;
    int toggles = 0;
};
