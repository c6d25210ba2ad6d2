#include "app/SoundEffect.h"

const char* soundKey(SoundEffect effect) {
    static const char* const keys[kSoundEffectCount] = {
        "SoundLaserShot",      "SoundMissileLaunch",   "SoundExplosion",   "SoundTeslaStrike",
        "SoundSquibbleKilled", "SoundSquibbleEscaped", "SoundTowerPlaced", "SoundTowerSold",
        "SoundClick",          "SoundWaveAnnounced",   "SoundGameOver",
    };
    return keys[static_cast<int>(effect)];
}

bool soundMatters(SoundEffect effect) {
    return effect == SoundEffect::SquibbleEscaped || effect == SoundEffect::WaveAnnounced ||
           effect == SoundEffect::GameOver;
}
