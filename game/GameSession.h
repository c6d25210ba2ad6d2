#pragma once

#include "game/Cloud.h"
#include "game/Layout.h"

#include <list>
#include <vector>

class Building;
class Effect;
class Engine;
class Invader;
class Projectile;
class Wave;

// One game, from the first countdown to its end: money, health, the wave
// schedule and everything on the playfield, with the rules that move them on.
// It neither draws nor reads the player: PlayfieldScreen does both, and the
// bots and tools play it through the same operations.
class GameSession {
  public:
    GameSession();
    // Deletes whatever the lists and the current wave still hold.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Money, health, clouds, the first countdown and the best so far, from
    // the settings and the records.
    void start();

    // The waves defeated in this game, and the best of any game with these
    // settings, this one included.
    int wavesDefeated() const { return waveNumber - 1; }
    int bestWaves() const;

    // Advances the game by dt seconds in the game's fixed order, then ends
    // it if the health has run out.
    void update(double dt);
    // The two halves of update, between which the screen reads the player:
    // everything that moves and is removed, and the end of a lost game.
    void advance(double dt);
    void endIfLost();

    // Whether a tower of the type is for sale and the money is there.
    bool canBuy(int type) const;
    // Whether a tower of the type, centred on x, keeps clear of every other.
    bool fits(int type, int x) const;
    // Builds a tower of the type centred on x and charges for it; returns
    // it, or null for a number that is no type.
    Building* build(int type, int x);
    // Sells and deletes the building.
    void demolish(Building* building);
    // Whether the building has a level left to rise by, and the money for it
    // is there.
    bool canUpgrade(const Building* building) const;
    // Raises the building a level and charges for it.
    void upgrade(Building* building);
    // Marks the game as lost and keeps the record.
    void endGame();

    // Counts an invader of the kind killed, or got through.
    void countKill(int kind);
    void countEscape(int kind);
    // The kind of the boss that comes alone in wave n, every
    // "BossWaveEvery"th wave when a boss's keys are there; -1 for a wave of
    // the marching block.
    int bossOf(int n) const;

    // Every projectile against every living invader of the current wave, as
    // update does it; public so that the benchmarks can time the one
    // quadratic step of a frame on its own.
    void collide();

    // What is on the playfield, each list in the order of appending, which is
    // also the drawing order. The session owns every object in them.
    std::list<Building*> buildings;
    std::list<Projectile*> projectiles;
    std::list<Effect*> effects;
    Wave* wave = nullptr;

    int health = 0;
    int maxHealth = 0;
    int money = 0;
    Engine* engine;
    bool gameOver = false;
    std::vector<Cloud> clouds;
    // Shows the debug texts and each invader's health.
    bool debugOverlay = false;

    // Invaders killed and got through in this game, by kind.
    std::vector<int> kills;
    std::vector<int> escapes;

    // Seconds left until the next wave; negative while a wave is on.
    double waveTimer = 0.0;
    // The wave now running, or the next one between waves; starts at 1.
    int waveNumber = 1;
    // Countdowns begun, the first at start: a game is saved as each begins.
    int countdownsBegun = 0;

    // The most waves defeated in any earlier game with these settings.
    int bestBefore = 0;

  private:
    // An invader's hit circle as the collision pass sees it. A dead invader's
    // radius squared is minus infinity, so that nothing falls inside it.
    struct HitCircle {
        double x, y; // centre of the current frame
        double radiusSquared;
        Invader* invader;
    };

    // Measures every hit circle of the current wave, in list order.
    void measureHitCircles();

    void updateWaveSchedule(double dt);
    // The wave that comes now, announced.
    void startWave();
    void removeSpentProjectiles();
    void removeExpiredEffects();

    // The collision pass's circles, kept between frames so that no frame
    // allocates.
    std::vector<HitCircle> hitCircles;
};
