// The shipped sound effects: what the synthesiser makes, byte for byte, and
// each one fit to play among the others.

#include "ShippedData.h"
#include "app/AllegroSound.h"
#include "app/Engine.h"
#include "app/Settings.h"
#include "app/SoundEffect.h"
#include "synth/SoundBook.h"
#include "synth/Synth.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Together they stay small beside the pictures.
constexpr size_t kMostBytes = 300 * 1024;
// Never clipped, whatever the mixer adds on top; loud enough to be heard.
constexpr double kLoudestPeak = 0.9;
constexpr double kQuietestLoudness = 0.05;
// The last 5 ms are all but silent: no sound ends in a click.
constexpr int kTailSamples = Synth::kSampleRate / 200;
constexpr double kTailPeak = 0.01;
// No offset from the midline: played by the dozen, offsets add up and push
// the whole mix against one end of the range.
constexpr double kMostOffset = 0.005;

} // namespace

TEST(Sounds, EachIsWhatTheSynthesiserMakesAndPlaysCleanly) {
    size_t total = 0;
    for (const SoundRecipe& sound : soundBook()) {
        SCOPED_TRACE(sound.file);
        const std::string path = "data/" + sound.file;
        const std::vector<int16_t> samples = Synth::render(sound.tones);
        const std::vector<uint8_t> shipped = fileBytes(path);
        EXPECT_EQ(shipped, Synth::waveFile(samples))
            << "rebuild with: cmake --build build --target sounds";
        total += shipped.size();

        SAMPLE* loaded = load_sample(path.c_str());
        ASSERT_NE(loaded, nullptr) << "the game cannot read it";
        EXPECT_EQ(loaded->bits, 16);
        EXPECT_FALSE(loaded->stereo);
        EXPECT_EQ(loaded->len, samples.size());
        destroy_sample(loaded);

        double peak = 0.0;
        double sum = 0.0;
        double energy = 0.0;
        for (const int16_t sample : samples) {
            peak = std::max(peak, std::abs(sample) / 32767.0);
            sum += sample / 32767.0;
            energy += (sample / 32767.0) * (sample / 32767.0);
        }
        EXPECT_LE(peak, kLoudestPeak);
        EXPECT_LE(std::abs(sum / samples.size()), kMostOffset);
        EXPECT_GE(std::sqrt(energy / samples.size()), kQuietestLoudness);
        ASSERT_GT(samples.size(), static_cast<size_t>(kTailSamples));
        for (size_t i = samples.size() - kTailSamples; i < samples.size(); ++i)
            EXPECT_LE(std::abs(samples[i]) / 32767.0, kTailPeak) << "sample " << i;
    }
    EXPECT_LE(total, kMostBytes);
}

TEST(Sounds, StringsNameAShippedFileForEveryEffectAndTheKindsMayNameNone) {
    // Without the kinds' and the boss's keys their events are silent, and
    // nothing stops the game from starting.
    Engine& engine = Engine::instance();
    ASSERT_TRUE(engine.loadSettings().empty());
    for (int i = 0; i < kSoundEffectCount; ++i)
        if (soundOptional(static_cast<SoundEffect>(i)))
            engine.settings.set(soundKey(static_cast<SoundEffect>(i)), "");
    AllegroSound withoutKinds;
    EXPECT_TRUE(withoutKinds.load(engine).empty());
    EXPECT_EQ(withoutKinds.sample(SoundEffect::Dive), nullptr);
    ASSERT_NE(withoutKinds.sample(SoundEffect::LaserShot), nullptr);
    ASSERT_TRUE(engine.loadSettings().empty());

    const Settings& settings = shippedData::settings();
    EXPECT_GT(settings.getInt("SoundVolume"), 0);
    for (int i = 0; i < kSoundEffectCount; ++i) {
        const char* key = soundKey(static_cast<SoundEffect>(i));
        const std::string file = settings.get(key);
        EXPECT_TRUE(
            std::any_of(soundBook().begin(), soundBook().end(),
                        [&file](const SoundRecipe& sound) { return file == "data/" + sound.file; }))
            << key << "=" << file;
    }
}
