// How close a busy late wave's mix comes to full scale. Fifteen towers at
// their top level play wave 26 headless, at the game's speed and with Tab
// held, on a few seeds, as a row of every type in turn and as a row of each
// type alone. The voices that the sound's rules would start are mixed as
// Allegro's mixer mixes them, and the loudest sample of each wave is given as
// the headroom left below full scale; the worst moment of all is taken apart
// voice by voice. A capture through ALSA's file device cannot tell this:
// it runs faster than real time, which spreads the sounds apart.
//
// Run from the repository root, for data/:
//   build/bench/sound/sound_headroom

#include "app/AllegroSound.h"
#include "app/Engine.h"
#include "app/Random.h"
#include "app/SoundRules.h"
#include "defences/Building.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"
#include "game/TowerType.h"
#include "gfx/SpriteSheet.h"
#include "support/FakePlatform.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kTowers = 15;
// Canvas x of the first tower's centre, and from one centre to the next:
// the row spans the ground, so the pans reach both sides.
constexpr int kFirstTowerX = 12;
constexpr int kTowerSpacing = 21;
constexpr int kLateWave = 26;
constexpr int kSeeds = 3;

// How the wave is played: with Tab held or not, and how long a frame takes. A
// machine that falls behind asks for a long frame's sounds all at once.
struct Pace {
    const char* name;
    bool fastForward;
    double frameTime; // seconds
};
constexpr Pace kPaces[] = {
    {"as played", false, 1.0 / 60.0},
    {"Tab held", true, 1.0 / 60.0},
    {"Tab, 10 fps", true, 1.0 / 10.0},
};
// Allegro mixes for ALSA at this rate, a buffer at a time: a voice started
// meanwhile begins with the next buffer, in step with every other voice
// started since the last. A 16-bit sample reaches no further than full scale.
constexpr int kMixRate = 44100;
constexpr int kMixBuffer = 1024;
constexpr double kFullScale = 32767.0;

struct Voice {
    SoundEffect effect;
    double start; // when the mixer begins it, seconds on the platform's clock
    int pan;
};

// The share of a sample's level that one side of Allegro's mixer passes on,
// as its update_mixer_volume works it out: pan is the side's own share of
// 255 (255 - pan for the left).
double sideGain(int volume, int share) {
    int level = volume * share;
    level += level >> 7; // so that 255 x 255 comes out at the top
    level = std::min((level << 1) >> AllegroSound::kVolumePerVoice, 65535);
    return level / 65536.0;
}

// A 16-bit sample's value at a fractional position, read between its
// neighbours as Allegro's best mixing quality reads it; silence past the end.
double sampleAt(const SAMPLE* sample, double position) {
    const auto value = [sample](unsigned long i) {
        return i < sample->len ? static_cast<const uint16_t*>(sample->data)[i] - 32768.0 : 0.0;
    };
    const unsigned long i = static_cast<unsigned long>(position);
    const double between = position - i;
    return value(i) * (1.0 - between) + value(i + 1) * between;
}

double seconds(const SAMPLE* sample) {
    return static_cast<double>(sample->len) / sample->freq;
}

// Stands in for the sound device: the voices that the sound's rules start,
// each begun with the mixer's next buffer. One crowd hears every wave, so
// that the rules remember the starts of the wave before, as the game's do.
class Crowd : public Sound, private SoundRules::Mixer {
  public:
    Crowd(const AllegroSound& sound, Platform& clock, int volume) : sound(sound), clock(clock) {
        rules.open(&clock, volume, false);
    }

    void play(SoundEffect effect, int x) override { rules.play(effect, x); }

    std::vector<Voice> voices;

  private:
    double length(SoundEffect effect) const override { return seconds(sound.sample(effect)); }
    void startVoice(SoundEffect effect, int, int pan, int) override {
        constexpr double kBufferTime = static_cast<double>(kMixBuffer) / kMixRate;
        voices.push_back({effect, std::ceil(clock.now() / kBufferTime) * kBufferTime, pan});
    }

    const AllegroSound& sound;
    Platform& clock;
    SoundRules rules{*this};
};

// The mix of a wave's voices at one volume, in 16-bit steps, left and right.
struct Mix {
    double start = 0.0; // seconds on the platform's clock of the first frame
    std::vector<double> left, right;
};

Mix mixDown(const AllegroSound& sound, const std::vector<Voice>& voices, int volume) {
    Mix mix;
    if (voices.empty())
        return mix;
    mix.start = voices.front().start;
    double end = mix.start;
    for (const Voice& voice : voices)
        end = std::max(end, voice.start + seconds(sound.sample(voice.effect)));
    const size_t frames = static_cast<size_t>((end - mix.start) * kMixRate) + 1;
    mix.left.assign(frames, 0.0);
    mix.right.assign(frames, 0.0);
    const int allegroVolume = SoundRules::voiceVolume(volume);
    for (const Voice& voice : voices) {
        const SAMPLE* sample = sound.sample(voice.effect);
        const double left = sideGain(allegroVolume, 255 - voice.pan);
        const double right = sideGain(allegroVolume, voice.pan);
        const size_t first = static_cast<size_t>(std::lround((voice.start - mix.start) * kMixRate));
        const double step = static_cast<double>(sample->freq) / kMixRate;
        for (size_t n = 0; first + n < frames && n * step < sample->len; ++n) {
            const double value = sampleAt(sample, n * step);
            mix.left[first + n] += value * left;
            mix.right[first + n] += value * right;
        }
    }
    return mix;
}

// The mix's loudest sample, on either side and in either direction.
struct Loudest {
    double level = 0.0; // 16-bit steps
    double when = 0.0;  // seconds on the platform's clock
    bool left = true;
};

Loudest loudest(const Mix& mix) {
    Loudest found;
    for (size_t n = 0; n < mix.left.size(); ++n) {
        for (const bool left : {true, false}) {
            const double level = std::abs(left ? mix.left[n] : mix.right[n]);
            if (level > found.level)
                found = {level, mix.start + static_cast<double>(n) / kMixRate, left};
        }
    }
    return found;
}

double headroom(const Loudest& loudest) {
    return 20.0 * std::log10(kFullScale / loudest.level);
}

// The most voices that sound at one time. The mix above knows nothing of
// Allegro's stealing of voices, which only starts past AllegroSound::kVoices.
int mostSounding(const AllegroSound& sound, const std::vector<Voice>& voices) {
    int most = 0;
    for (const Voice& voice : voices) {
        const int sounding =
            static_cast<int>(std::count_if(voices.begin(), voices.end(), [&](const Voice& other) {
                return other.start <= voice.start &&
                       voice.start < other.start + seconds(sound.sample(other.effect));
            }));
        most = std::max(most, sounding);
    }
    return most;
}

// A row of towers whose types follow each other in turn, every one raised to
// its top level, and the late wave played to its end. Returns the voices.
std::vector<Voice> playLateWave(const std::vector<int>& types, const Pace& pace, int seed,
                                FakePlatform& platform, Crowd& crowd) {
    Engine& engine = Engine::instance();
    crowd.voices.clear();
    engine.sound = &crowd;
    Random::seed(static_cast<unsigned>(seed));
    GameSession* session = new GameSession;
    session->start();
    PlayfieldScreen screen(*session);
    for (int i = 0; i < kTowers; ++i) {
        const int type = types[i % types.size()];
        Building* tower = makeBuilding(type);
        tower->game = session;
        const int centre = kFirstTowerX + kTowerSpacing * i;
        tower->setPosition(centre - restingFrameWidth(engine.towerDefs[type].sprite) / 2);
        while (tower->level < engine.towerDefs[type].upgrades)
            tower->upgrade();
        session->buildings.push_back(tower);
    }
    session->waveNumber = kLateWave;
    session->waveTimer = 0.0;
    // The point is the crowd, not the score: nothing that gets through ends it.
    session->health = session->maxHealth = 1 << 30;
    while (session->waveNumber == kLateWave) {
        platform.time += pace.frameTime;
        engine.waitForFrame();
        screen.step(pace.frameTime, pace.fastForward);
    }
    delete session;
    engine.sound = nullptr;
    return std::move(crowd.voices);
}

// One late wave played, and the loudest sample of its mix at the shipped
// volume and at the top of --volume's range.
struct PlayedWave {
    std::string towers;
    const Pace* pace = nullptr;
    int seed = 0;
    std::vector<Voice> voices;
    Loudest shipped;
    Loudest top;
};

// Each voice that sounds at the wave's loudest moment, and what it adds to
// that sample on the side where it falls.
void takeApart(const PlayedWave& wave, const AllegroSound& sound, int volume) {
    const double when = wave.shipped.when;
    std::printf("\nThe worst moment: %s, %s, seed %d, on the %s, %.3f s after the wave's call:\n",
                wave.towers.c_str(), wave.pace->name, wave.seed,
                wave.shipped.left ? "left" : "right", when - wave.voices.front().start);
    const int allegroVolume = SoundRules::voiceVolume(volume);
    for (const Voice& voice : wave.voices) {
        const SAMPLE* sample = sound.sample(voice.effect);
        if (voice.start > when || when >= voice.start + seconds(sample))
            continue;
        const double gain =
            sideGain(allegroVolume, wave.shipped.left ? 255 - voice.pan : voice.pan);
        const double level = sampleAt(sample, (when - voice.start) * sample->freq) * gain;
        std::printf("  %-20s %.3f s in, volume %d, pan %3d: %+.3f of full scale\n",
                    soundKey(voice.effect), when - voice.start, allegroVolume, voice.pan,
                    level / kFullScale);
    }
    std::printf("  together %.3f of full scale: %.1f dB of headroom\n",
                wave.shipped.level / kFullScale, headroom(wave.shipped));
}

} // namespace

int main() {
    Engine::initHeadless();
    Engine& engine = Engine::instance();
    FakePlatform platform;
    engine.platform = &platform;
    AllegroSound sound;
    std::vector<std::string> problems = engine.loadData("data");
    if (problems.empty())
        problems = sound.load(engine);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "sound_headroom: %s (run from the repository root)\n",
                     problem.c_str());
    if (!problems.empty())
        return 1;
    const int volume = engine.settings.getInt("SoundVolume");
    Crowd crowd(sound, platform, volume);

    std::vector<std::pair<std::string, std::vector<int>>> rows = {{"every type in turn", {}}};
    for (int type = 0; type < towerTypeCount(); ++type) {
        rows.front().second.push_back(type);
        rows.push_back({towerTypes()[type].reportName + " alone", {type}});
    }

    std::printf("%d towers at their top level, wave %d, SoundVolume %d:\n", kTowers, kLateWave,
                volume);
    std::printf("  %-20s %-12s %4s %7s %7s %9s %9s\n", "towers", "pace", "seed", "voices",
                "at once", "loudest", "headroom");
    std::vector<PlayedWave> waves;
    for (const auto& [towers, types] : rows) {
        for (const Pace& pace : kPaces) {
            for (int seed = 1; seed <= kSeeds; ++seed) {
                PlayedWave wave;
                wave.towers = towers;
                wave.pace = &pace;
                wave.seed = seed;
                wave.voices = playLateWave(types, pace, seed, platform, crowd);
                wave.shipped = loudest(mixDown(sound, wave.voices, volume));
                wave.top = loudest(mixDown(sound, wave.voices, CommandLine::kLoudestVolume));
                const int sounding = mostSounding(sound, wave.voices);
                std::printf("  %-20s %-12s %4d %7zu %7d %9.3f %6.1f dB%s\n", towers.c_str(),
                            pace.name, seed, wave.voices.size(), sounding,
                            wave.shipped.level / kFullScale, headroom(wave.shipped),
                            sounding > AllegroSound::kVoices ? " (voices stolen: too loud)" : "");
                waves.push_back(std::move(wave));
            }
        }
    }

    const auto worst = [&waves](Loudest PlayedWave::*at) -> const PlayedWave& {
        return *std::max_element(waves.begin(), waves.end(), [at](const auto& a, const auto& b) {
            return (a.*at).level < (b.*at).level;
        });
    };
    takeApart(worst(&PlayedWave::shipped), sound, volume);
    std::printf("At --volume %d the worst moment leaves %.1f dB.\n", CommandLine::kLoudestVolume,
                headroom(worst(&PlayedWave::top).top));
    return 0;
}
