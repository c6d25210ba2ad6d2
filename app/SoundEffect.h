#pragma once

// The game's sound effects, each heard at one kind of event.
enum class SoundEffect {
    LaserShot,
    MissileLaunch,
    Explosion,
    TeslaStrike,
    SquibbleKilled,
    SquibbleEscaped,
    TowerPlaced,
    TowerSold,
    Click,
    WaveAnnounced,
    GameOver,
};

constexpr int kSoundEffectCount = static_cast<int>(SoundEffect::GameOver) + 1;

// The strings.txt key that names the effect's file: "SoundLaserShot".
const char* soundKey(SoundEffect effect);

// Whether the effect tells the player something they must not miss, and so
// takes a voice from a shot when voices run short.
bool soundMatters(SoundEffect effect);
