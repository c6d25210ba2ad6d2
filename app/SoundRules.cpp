#include "app/SoundRules.h"

#include "app/CommandLine.h"
#include "app/Platform.h"
#include "game/Layout.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

// Allegro gives every sample 128, and a new voice takes one of the same or
// lower priority when all are busy: a shot gives way to the effects that
// matter, and takes the voice of an older shot.
constexpr int kShotPriority = 128;
constexpr int kMatteringPriority = SoundRules::kTop;

constexpr double kLongAgo = -std::numeric_limits<double>::infinity();

// Puts a start first in a list of the latest ones, newest first, and lets
// the oldest go.
template <size_t N> void remember(double (&starts)[N], double now) {
    std::copy_backward(starts, starts + N - 1, starts + N);
    starts[0] = now;
}

} // namespace

void SoundRules::open(Platform* theClock, int theVolume, bool muted) {
    clock = theClock;
    volume = voiceVolume(theVolume);
    isMuted = muted;
    for (double(&starts)[kMostAtOnce] : started)
        std::fill(std::begin(starts), std::end(starts), kLongAgo);
    std::fill(std::begin(shotsStarted), std::end(shotsStarted), kLongAgo);
}

void SoundRules::play(SoundEffect effect, int x) {
    if (!clock || isMuted || volume == 0 || !admit(effect, clock->now()))
        return;
    mixer.startVoice(effect, volume, voicePan(x), priority(effect));
}

void SoundRules::toggleMute() {
    isMuted = !isMuted;
}

bool SoundRules::admit(SoundEffect effect, double now) {
    const double length = mixer.length(effect);
    if (length <= 0.0)
        return false;
    double(&starts)[kMostAtOnce] = started[static_cast<int>(effect)];
    if (now - starts[0] < kRepeatGap || now - starts[kMostAtOnce - 1] < length)
        return false;
    const bool shot = !soundMatters(effect);
    if (shot && now - shotsStarted[kShotsTogether - 1] < kTogether)
        return false;
    remember(starts, now);
    if (shot)
        remember(shotsStarted, now);
    return true;
}

int SoundRules::voiceVolume(int volume) {
    constexpr int kLoudest = CommandLine::kLoudestVolume;
    return std::clamp(volume, 0, kLoudest) * kTop / kLoudest;
}

int SoundRules::voicePan(int x) {
    return std::clamp(x * kTop / layout::kCanvasWidth, 0, kTop);
}

int SoundRules::priority(SoundEffect effect) {
    return soundMatters(effect) ? kMatteringPriority : kShotPriority;
}
