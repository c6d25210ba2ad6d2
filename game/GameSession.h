#pragma once

#include "game/Cloud.h"
#include "game/Layout.h"

#include <atomic>
#include <list>
#include <vector>

class Building;
class Effect;
class Engine;
class Invader;
class Projectile;
class Wave;

// One game, from the first frame to the player's quitting: money, health, the
// wave schedule, everything on the playfield, and what the screen is doing.
class GameSession {
  public:
    // What the playfield screen is doing.
    enum Mode {
        Idle = 0,             // the build buttons are shown
        Placing = 1,          // a tower type is chosen and follows the mouse
        BuildingSelected = 2, // a tower is marked and can be demolished
        QuitDialog = 3,       // "Quit Game?" is shown, or "Play Again?" once lost
    };

    GameSession();
    // Deletes whatever the lists and the current wave still hold.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Money, health, clouds, the first countdown and the best so far, from
    // the settings and the records.
    void start();

    // One frame's worth of play after dt seconds of real time: eight times
    // as much while fastForward (Tab) is held, none while paused, when only
    // the input is handled. Returns the game time passed.
    double step(double dt, bool fastForward);

    // Whether the game stands still: paused with P, or the quit dialog open
    // during play. A lost game is never paused: its grey screen goes on.
    bool isPaused() const;

    // The waves defeated in this game, and the best of any game with these
    // settings, this one included.
    int wavesDefeated() const { return waveNumber - 1; }
    int bestWaves() const;

    // Advances the game by dt seconds, in the game's fixed order.
    void update(double dt);

    // Draws the frame into the canvas and shows it.
    void draw();

    // The keyboard and the mouse of this frame.
    void handleInput();

    // Whether a tower of placingType fits at the mouse's x.
    bool placementFits() const;
    // Builds a tower of placingType under the mouse and charges for it.
    void placeBuilding();
    // Sells and deletes selectedBuilding.
    void demolishSelected();
    // Whether selectedBuilding has a level left to rise by, and the money
    // for it is there.
    bool canUpgradeSelected() const;
    // Raises selectedBuilding a level and charges for it.
    void upgradeSelected();
    // Chooses a tower type to place, as its build button does: only when
    // the type is available and the money is there. Whether it was chosen.
    bool chooseTower(int type);
    // Marks the game as lost, keeps the record and asks whether to play again.
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

    Mode mode = Idle;
    int placingType = 0;

    // The game goes on while true; the close button clears it from the
    // library's own thread, hence atomic.
    std::atomic<bool> running{false};

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
    Building* selectedBuilding = nullptr;
    std::vector<Cloud> clouds;
    bool debugOverlay = false;

    // Invaders killed and got through in this game, by kind.
    std::vector<int> kills;
    std::vector<int> escapes;

    // Seconds left until the next wave; negative while a wave is on.
    double waveTimer = 0.0;
    // The wave now running, or the next one between waves; starts at 1.
    int waveNumber = 1;

    // P's pause, lifted by P (or the Pause key) again or by losing the game.
    bool paused = false;
    // Whether this frame ran at Tab's speed, for the fast-forward mark.
    bool fastForwarding = false;
    // Set when the lost game's "Play Again?" is answered yes: the loop ends
    // and a new game follows in the same window.
    bool playAgain = false;
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

    void createClouds();
    void updateWaveSchedule(double dt);
    // The wave that comes now, announced.
    void startWave();
    void updateClouds(double dt);
    void removeSpentProjectiles();
    void removeExpiredEffects();

    void drawStatus();
    void drawReadout();
    void drawPausedCaption();
    void drawGameOver();
    void drawBuildButtons();
    void drawPlacing();
    void drawSelection();
    // A button of the selected tower's panel with an icon of the upgrade
    // strip; whether the mouse is over it.
    bool drawPanelButton(const layout::Rect& button, int iconCell, bool usable);
    // What the selected tower does now: its level, damage, rate and reach.
    void drawFigures(const Building& building);
    // The circle a tower strikes within, as a ring; nothing for one that aims
    // along a line.
    void drawStrikeRing(const Building& building, int centreX);
    // Each upgraded tower's level, as pips under it.
    void drawLevels();
    void drawQuitDialog();
    void drawDebugTexts();

    // The parts of handleInput: a key, a key that plays as a click would,
    // a click on a tower, the clicks that the screen's mode answers, and the
    // dialog's answers.
    void handleKey();
    void handlePlayKey(int scanCode);
    void selectClickedBuilding();
    void handleModeClicks();
    void handleDialog();
    // The dialog's answers: "Yes" quits, or plays again once the game is
    // lost; "No" goes back to the game, or quits once it is lost.
    void answerYes();
    void answerNo();

    // One unplaced tower of each type, whose range the placing view rings.
    std::vector<Building*> newTowers;

    // The collision pass's circles, kept between frames so that no frame
    // allocates.
    std::vector<HitCircle> hitCircles;

    bool leftClick() const;
    bool rightClick() const;
    bool leftHeld() const;
};
