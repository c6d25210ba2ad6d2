#include "synth/Synth.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kLoudest = 32767.0;

// How loud a tone is at sample n of its own: a straight rise over the attack,
// then a fall that slows as it nears silence and reaches it at the tone's end.
double envelope(const Tone& tone, int n, int samples) {
    const int attack = std::max(1, static_cast<int>(tone.attack * Synth::kSampleRate));
    if (n < attack)
        return tone.volume * n / attack;
    const double left = 1.0 - static_cast<double>(n - attack) / std::max(1, samples - attack);
    return tone.volume * left * left;
}

// A 15-bit shift register, as old sound chips made noise: the same sequence
// on every machine, unlike a library's random numbers.
class Noise {
  public:
    double next() {
        const unsigned bit = (state ^ (state >> 1)) & 1u;
        state = (state >> 1) | (bit << 14);
        return (state & 1u) ? 1.0 : -1.0;
    }

  private:
    unsigned state = 1;
};

void mixTone(const Tone& tone, std::vector<double>& mix) {
    const int first = static_cast<int>(tone.start * Synth::kSampleRate);
    const int samples = static_cast<int>(tone.length * Synth::kSampleRate);
    // Each sample's frequency is the last one's times this, so the pitch
    // slides evenly from fromHz to toHz.
    const double step = std::pow(tone.toHz / tone.fromHz, 1.0 / std::max(1, samples));
    double frequency = tone.fromHz;
    double phase = 0.0; // in periods
    Noise noise;
    double noiseLevel = noise.next();
    std::vector<double> wave(samples);
    std::vector<double> loudness(samples);
    for (int n = 0; n < samples; ++n) {
        switch (tone.wave) {
        case Tone::Wave::Square:
            wave[n] = phase < tone.duty ? 1.0 : -1.0;
            break;
        case Tone::Wave::Triangle:
            wave[n] = phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
            break;
        case Tone::Wave::Noise:
            wave[n] = noiseLevel;
            break;
        }
        loudness[n] = envelope(tone, n, samples);

        phase += frequency / Synth::kSampleRate;
        while (phase >= 1.0) {
            phase -= 1.0;
            noiseLevel = noise.next();
        }
        frequency *= step;
    }

    // A square of unequal halves sits off the midline, and so do a short run
    // of noise and the first slope of a triangle. Every voice of the mixer
    // adds its offset to the others' until the whole mix leans against one
    // end; the ear hears none of it. So each tone gives up its offset, in
    // step with its envelope so that it still starts and ends in silence.
    double weighted = 0.0;
    double total = 0.0;
    for (int n = 0; n < samples; ++n) {
        weighted += wave[n] * loudness[n];
        total += loudness[n];
    }
    const double offset = total > 0.0 ? weighted / total : 0.0;
    for (int n = 0; n < samples; ++n)
        mix[first + n] += (wave[n] - offset) * loudness[n];
}

void putLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<int16_t> Synth::render(const std::vector<Tone>& tones) {
    size_t length = 0;
    for (const Tone& tone : tones)
        length = std::max(length, static_cast<size_t>(tone.start * kSampleRate) +
                                      static_cast<size_t>(tone.length * kSampleRate));
    std::vector<double> mix(length, 0.0);
    for (const Tone& tone : tones)
        mixTone(tone, mix);

    std::vector<int16_t> samples;
    samples.reserve(length);
    for (const double value : mix)
        samples.push_back(
            static_cast<int16_t>(std::lround(std::clamp(value * kLoudest, -kLoudest, kLoudest))));
    return samples;
}

std::vector<uint8_t> Synth::waveFile(const std::vector<int16_t>& samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(2 * samples.size());
    std::vector<uint8_t> bytes;
    const auto tag = [&bytes](const std::string& name) {
        bytes.insert(bytes.end(), name.begin(), name.end());
    };
    tag("RIFF");
    putLittleEndian(bytes, 36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    putLittleEndian(bytes, 16, 4); // the format chunk's size
    putLittleEndian(bytes, 1, 2);  // PCM
    putLittleEndian(bytes, 1, 2);  // mono
    putLittleEndian(bytes, kSampleRate, 4);
    putLittleEndian(bytes, 2 * kSampleRate, 4); // bytes a second
    putLittleEndian(bytes, 2, 2);               // bytes a sample
    putLittleEndian(bytes, 16, 2);              // bits a sample
    tag("data");
    putLittleEndian(bytes, dataBytes, 4);
    for (const int16_t sample : samples)
        putLittleEndian(bytes, static_cast<uint16_t>(sample), 2);
    return bytes;
}
