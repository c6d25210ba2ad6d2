#include "sim/SaveCheck.h"

#include "sim/BotGame.h"
#include "sim/Strategy.h"

#include <algorithm>

namespace {

// How the continued game's record of a wave differs from the unbroken one's;
// empty when it does not.
std::string differenceOf(const WaveRecord& unbroken, const WaveRecord& continued) {
    if (unbroken.frame != continued.frame)
        return "ended in frame " + std::to_string(continued.frame) + ", not " +
               std::to_string(unbroken.frame);
    if (unbroken.killsByKind != continued.killsByKind)
        return "other kills";
    if (unbroken.escapesByKind != continued.escapesByKind)
        return "other escapes";
    if (unbroken.health != continued.health)
        return "health " + std::to_string(continued.health) + ", not " +
               std::to_string(unbroken.health);
    if (unbroken.money != continued.money)
        return "money " + std::to_string(continued.money) + ", not " +
               std::to_string(unbroken.money);
    if (unbroken.towers != continued.towers)
        return "other towers";
    return "";
}

} // namespace

SaveCheck checkSaves(const std::string& strategy, unsigned seed, bool fast, int maxWaves,
                     int every) {
    SaveCheck check;
    BotGame unbroken(seed, fast, maxWaves);
    unbroken.keepingSaves = true;
    unbroken.playThrough(*makeStrategy(strategy));

    for (const BotSave& save : unbroken.saves) {
        if ((save.wave - 1) % every != 0 || (maxWaves > 0 && save.wave > maxWaves))
            continue;
        check.wavesSaved.push_back(save.wave);
        BotGame continued(save, fast, maxWaves);
        continued.replay(unbroken.moves);

        const auto first = std::find_if(unbroken.waves.begin(), unbroken.waves.end(),
                                        [&](const WaveRecord& w) { return w.wave >= save.wave; });
        const std::size_t expected = static_cast<std::size_t>(unbroken.waves.end() - first);
        for (std::size_t i = 0; i < std::max(expected, continued.waves.size()); ++i) {
            if (i >= expected || i >= continued.waves.size()) {
                check.differingWave = save.wave + static_cast<int>(i);
                check.difference = "the game went on for another number of waves";
                return check;
            }
            const WaveRecord& a = first[static_cast<std::ptrdiff_t>(i)];
            const WaveRecord& b = continued.waves[i];
            const std::string difference = differenceOf(a, b);
            if (!difference.empty()) {
                check.differingWave = a.wave;
                check.difference =
                    "continued from wave " + std::to_string(save.wave) + ": " + difference;
                return check;
            }
            ++check.wavesCompared;
            check.metByKind.resize(b.killsByKind.size());
            for (std::size_t kind = 0; kind < b.killsByKind.size(); ++kind)
                check.metByKind[kind] += b.killsByKind[kind] + b.escapesByKind[kind];
        }
    }
    return check;
}
