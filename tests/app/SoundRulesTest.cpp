// The sound's rules, the same for Allegro's mixer and the browser's, heard
// through a recording mixer on a clock the test sets.

#include "app/SoundRules.h"

#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Long enough that a third copy waits for the first to end, which the
// restart gap alone would let start.
constexpr double kLength = 0.1;
constexpr int kMiddle = 160;

class RecordingMixer : public SoundRules::Mixer {
  public:
    RecordingMixer() { std::fill(std::begin(lengths), std::end(lengths), kLength); }

    double length(SoundEffect effect) const override { return lengths[static_cast<int>(effect)]; }
    void startVoice(SoundEffect effect, int volume, int pan, int priority) override {
        voices.push_back({effect, volume, pan, priority});
    }

    struct Voice {
        SoundEffect effect;
        int volume, pan, priority;
    };
    double lengths[kSoundEffectCount];
    std::vector<Voice> voices;
};

// The effects that matter, or the shots, in the enum's order.
std::vector<SoundEffect> effectsThatMatter(bool matter) {
    std::vector<SoundEffect> effects;
    for (int i = 0; i < kSoundEffectCount; ++i)
        if (soundMatters(static_cast<SoundEffect>(i)) == matter)
            effects.push_back(static_cast<SoundEffect>(i));
    return effects;
}

class SoundRulesTest : public ::testing::Test {
  protected:
    void SetUp() override { rules.open(&clock, 100, false); }

    // Whether the effect, asked for at the time, started a voice.
    bool startsAt(double time, SoundEffect effect, int x = kMiddle) {
        clock.time = time;
        const size_t before = mixer.voices.size();
        rules.play(effect, x);
        return mixer.voices.size() > before;
    }

    FakePlatform clock;
    RecordingMixer mixer;
    SoundRules rules{mixer};
};

} // namespace

// Asked for again and again, an effect starts 40 ms after its last start at
// the soonest, and not while two copies of it still sound.
TEST_F(SoundRulesTest, AnEffectRestartsNoSoonerThanTheGapNorWhileTwoOfItSound) {
    struct Ask {
        double at; // seconds after the first
        bool starts;
    };
    constexpr Ask kAsks[] = {
        {0.000, true},  {0.039, false}, // within the gap of the first
        {0.041, true},  {0.085, false}, // past the gap, but two sound
        {0.101, true},                  // the first has ended
        {0.139, false},                 // within the gap of the third
        {0.142, true},                  // the second has ended
    };
    for (int i = 0; i < kSoundEffectCount; ++i) {
        const SoundEffect effect = static_cast<SoundEffect>(i);
        const double first = 10.0 * (i + 1); // long after the effect before
        for (const Ask& ask : kAsks)
            EXPECT_EQ(startsAt(first + ask.at, effect), ask.starts)
                << soundKey(effect) << " at " << ask.at;

        // An effect the mixer has no sound for never starts.
        mixer.lengths[i] = 0.0;
        EXPECT_FALSE(startsAt(first + 5.0, effect)) << soundKey(effect);
    }
}

// Asked for all together, no more than three shots start within 30 ms, and
// the effects that matter are not held back by them. A shot held back does
// not count as one that started.
TEST_F(SoundRulesTest, NoMoreThanThreeShotsStartTogetherAndTheEffectsThatMatterAreNotHeldBack) {
    const std::vector<SoundEffect> shots = effectsThatMatter(false);
    const std::vector<SoundEffect> mattering = effectsThatMatter(true);
    ASSERT_GE(shots.size(), 4u);
    ASSERT_GE(mattering.size(), 1u);
    struct Ask {
        double at;
        bool matters;
        size_t nth; // of the shots, or of the effects that matter
        bool starts;
    };
    constexpr Ask kAsks[] = {
        {0.000, false, 0, true},  {0.001, false, 1, true},
        {0.002, false, 2, true},  {0.003, false, 3, false}, // the fourth within 30 ms
        {0.004, true, 0, true},                             // not a shot
        {0.029, false, 3, false}, {0.031, false, 3, true},
    };
    for (const Ask& ask : kAsks) {
        const SoundEffect effect = (ask.matters ? mattering : shots)[ask.nth];
        EXPECT_EQ(startsAt(ask.at, effect), ask.starts) << soundKey(effect) << " at " << ask.at;
    }
}

// What the mixer is told: the volume on its scale, 100 the loudest and 0
// nothing at all; the left of the canvas on the left; and a priority that
// lets the effects that matter take a voice from a shot, and a shot the
// voice of an older shot.
TEST_F(SoundRulesTest, TheMixerHearsTheVolumeThePanAndThePriority) {
    struct Heard {
        int volume, x;
        int mixerVolume, pan; // a mixer volume of 0: nothing starts
    };
    constexpr int kTop = SoundRules::kTop;
    constexpr Heard kHeard[] = {
        {100, 0, kTop, 0},      {99, -40, 252, 0},      {70, kMiddle, 178, 127}, {1, 319, 2, 254},
        {100, 320, kTop, kTop}, {100, 400, kTop, kTop}, {0, kMiddle, 0, 0},
    };
    double time = 0.0;
    for (const Heard& heard : kHeard) {
        rules.open(&clock, heard.volume, false);
        ASSERT_EQ(startsAt(time += 1.0, effectsThatMatter(true)[0], heard.x), heard.mixerVolume > 0)
            << "volume " << heard.volume;
        if (heard.mixerVolume > 0) {
            EXPECT_EQ(mixer.voices.back().volume, heard.mixerVolume) << "volume " << heard.volume;
            EXPECT_EQ(mixer.voices.back().pan, heard.pan) << "x " << heard.x;
        }
    }

    rules.open(&clock, 100, false);
    mixer.voices.clear();
    for (int i = 0; i < kSoundEffectCount; ++i)
        ASSERT_TRUE(startsAt(time += 1.0, static_cast<SoundEffect>(i)));
    const RecordingMixer::Voice& aShot =
        mixer.voices[static_cast<int>(effectsThatMatter(false)[0])];
    for (const RecordingMixer::Voice& voice : mixer.voices) {
        if (soundMatters(voice.effect))
            EXPECT_GT(voice.priority, aShot.priority) << soundKey(voice.effect);
        else
            EXPECT_EQ(voice.priority, aShot.priority) << soundKey(voice.effect);
    }
}

// M turns the sound off and on; an effect asked for meanwhile starts nothing
// and is not remembered as started. The sound may start muted.
TEST_F(SoundRulesTest, MTurnsTheSoundOffAndOnAndItMayStartOff) {
    const SoundEffect effect = effectsThatMatter(false)[0];
    rules.open(&clock, 100, true);
    EXPECT_TRUE(rules.muted());
    EXPECT_FALSE(startsAt(1.00, effect));
    rules.toggleMute();
    EXPECT_FALSE(rules.muted());
    EXPECT_TRUE(startsAt(1.01, effect));
    rules.toggleMute();
    EXPECT_FALSE(startsAt(2.00, effect));
    rules.toggleMute();
    EXPECT_TRUE(startsAt(2.01, effect));
}
