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
    BossArrived,
    ArmourTurnedAside,
    Dive,
};

constexpr int kSoundEffectCount = static_cast<int>(SoundEffect::Dive) + 1;

// The strings.txt key that names the effect's file: "SoundLaserShot".
const char* soundKey(SoundEffect effect);

// Whether a strings.txt may leave the effect out, and the event silent: the
// sounds of the invader kinds and the boss, which a game without them never
// plays.
bool soundOptional(SoundEffect effect);

// Whether the effect tells the player something they must not miss, and so
// takes a voice from a shot when voices run short.
bool soundMatters(SoundEffect effect);
