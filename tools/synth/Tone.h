#pragma once

// One note of a sound effect: a waveform whose pitch slides from one frequency
// to another, shaped by a quick attack and a fall to silence at its end.
struct Tone {
    enum class Wave { Square, Triangle, Noise };

    Wave wave = Wave::Square;
    double start = 0.0;  // seconds into the sound
    double length = 0.1; // seconds, the fall to silence included
    // Hertz at the start and at the end; the slide is even in pitch. A noise's
    // frequency is how often its generator steps: lower is rougher.
    double fromHz = 440.0;
    double toHz = 440.0;
    double duty = 0.5; // the square's share of each period spent high
    // Half the swing from trough to crest at the envelope's top, as a share
    // of the loudest sample. Held about its midline, a square of unequal
    // halves reaches further on its short side: 1.5 times this at a 0.25 duty.
    double volume = 0.3;
    double attack = 0.004; // seconds to reach the peak, so that no note clicks in
};
