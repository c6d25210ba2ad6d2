#include "app/SoundEffect.h"

const char* soundKey(SoundEffect effect) {
    static const char* const keys[kSoundEffectCount] = {
        "SoundLaserShot",         "SoundMissileLaunch",  "SoundExplosion",
        "SoundTeslaStrike",       "SoundSquibbleKilled", "SoundSquibbleEscaped",
        "SoundTowerPlaced",       "SoundTowerSold",      "SoundClick",
        "SoundWaveAnnounced",     "SoundGameOver",       "SoundBossArrived",
        "SoundArmourTurnedAside", "SoundDive",
    };
    return keys[static_cast<int>(effect)];
}

bool soundOptional(SoundEffect effect) {
    return effect == SoundEffect::BossArrived || effect == SoundEffect::ArmourTurnedAside ||
           effect == SoundEffect::Dive;
}

bool soundMatters(SoundEffect effect) {
    return effect == SoundEffect::SquibbleEscaped || effect == SoundEffect::WaveAnnounced ||
           effect == SoundEffect::GameOver || effect == SoundEffect::BossArrived ||
           effect == SoundEffect::Dive;
}
