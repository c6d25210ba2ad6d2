#pragma once

#include "synth/Tone.h"

#include <cstdint>
#include <vector>

// The studio's sound effects are made, not recorded: a few tones mixed
// into 16-bit samples. Everything is plain arithmetic in a fixed order, so the
// same tones give the same bytes on every build.
class Synth {
  public:
    static constexpr int kSampleRate = 22050;

    // The tones mixed, as long as the last one lasts. A mix louder than the
    // loudest sample is held at it; the sounds are written to stay below.
    static std::vector<int16_t> render(const std::vector<Tone>& tones);

    // A 16-bit mono RIFF WAVE file holding the samples.
    static std::vector<uint8_t> waveFile(const std::vector<int16_t>& samples);
};
