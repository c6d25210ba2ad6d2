#include "synth/SoundBook.h"

namespace {

using Wave = Tone::Wave;

Tone note(Wave wave, double start, double length, double fromHz, double toHz, double volume,
          double duty = 0.5) {
    Tone tone;
    tone.wave = wave;
    tone.start = start;
    tone.length = length;
    tone.fromHz = fromHz;
    tone.toHz = toHz;
    tone.volume = volume;
    tone.duty = duty;
    return tone;
}

// A run of notes of one length, one after the other.
std::vector<Tone> melody(Wave wave, double noteLength, const std::vector<double>& hertz,
                         double volume) {
    std::vector<Tone> tones;
    for (size_t i = 0; i < hertz.size(); ++i)
        tones.push_back(
            note(wave, i * noteLength, noteLength * 1.2, hertz[i], hertz[i], volume, 0.25));
    return tones;
}

std::vector<Tone> joined(std::vector<Tone> first, const std::vector<Tone>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace

const std::vector<SoundRecipe>& soundBook() {
    // The shots sound together by the dozen in a late wave, all at about one
    // loudness, none above the sounds that matter. A narrow square swings far
    // to one side of the midline and little to the other, and every note
    // starts on its high part; so the shots' squares face both ways (a duty
    // of 0.75 sounds as 0.25 does, upside down) rather than all piling up on
    // one side of the mix.
    static const std::vector<SoundRecipe> sounds = {
        // A thin zap that falls away fast.
        {"laser.wav", {note(Wave::Square, 0.0, 0.11, 1800.0, 500.0, 0.2, 0.75)}},
        // A hiss that rises as the missile leaves, over a low push.
        {"missile_launch.wav",
         {note(Wave::Noise, 0.0, 0.28, 1500.0, 5000.0, 0.18),
          note(Wave::Square, 0.0, 0.18, 110.0, 220.0, 0.1, 0.7)}},
        // A rough burst that sinks to a rumble.
        {"explosion.wav",
         {note(Wave::Noise, 0.0, 0.4, 3000.0, 150.0, 0.22),
          note(Wave::Triangle, 0.0, 0.3, 90.0, 40.0, 0.16)}},
        // A crackle over a buzz.
        {"tesla.wav",
         {note(Wave::Noise, 0.0, 0.16, 9000.0, 6000.0, 0.2),
          note(Wave::Square, 0.0, 0.16, 140.0, 120.0, 0.12, 0.2)}},
        // A pop that leaps up.
        {"squibble_killed.wav",
         {note(Wave::Square, 0.0, 0.05, 500.0, 900.0, 0.18),
          note(Wave::Square, 0.04, 0.08, 900.0, 1600.0, 0.16)}},
        // A slow fall, for a point of health gone.
        {"squibble_escaped.wav",
         {note(Wave::Triangle, 0.0, 0.45, 440.0, 110.0, 0.5),
          note(Wave::Square, 0.0, 0.45, 220.0, 55.0, 0.15, 0.25)}},
        // Two knocks, set down.
        {"tower_placed.wav",
         {note(Wave::Square, 0.0, 0.06, 180.0, 140.0, 0.3),
          note(Wave::Square, 0.07, 0.08, 260.0, 200.0, 0.3)}},
        // Money back: two bright notes.
        {"tower_sold.wav", melody(Wave::Square, 0.06, {988.0, 1319.0}, 0.22)},
        {"click.wav", {note(Wave::Square, 0.0, 0.035, 1200.0, 1000.0, 0.2)}},
        // A call to arms: four notes rising.
        {"wave.wav", melody(Wave::Square, 0.09, {523.0, 659.0, 784.0, 1047.0}, 0.28)},
        // Four notes falling, over a low hum.
        {"game_over.wav", joined(melody(Wave::Square, 0.22, {392.0, 330.0, 262.0, 196.0}, 0.28),
                                 {note(Wave::Triangle, 0.0, 1.1, 98.0, 65.0, 0.25)})},
    };
    return sounds;
}
