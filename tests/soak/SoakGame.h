#pragma once

#include "app/Engine.h"
#include "defences/Building.h"
#include "game/GameSession.h"
#include "game/Layout.h"
#include "game/PlayfieldScreen.h"
#include "game/TowerType.h"
#include "invaders/Wave.h"
#include "support/EngineScope.h"

#include <algorithm>
#include <cstddef>
#include <functional>

// What the lists held during one wave and right after it.
struct WaveRecord {
    int number = 0;
    size_t invadersPeak = 0;
    size_t projectilesPeak = 0;
    size_t effectsPeak = 0;
    size_t projectilesAfter = 0;
    size_t effectsAfter = 0;
    size_t buildings = 0;
    bool boss = false; // a boss came alone
};

// A long game, headless, on the catalogue already in the engine, played
// through the mouse as a player holding Tab would. The player keeps a row of
// towers of every kind standing, and after each wave sells one and builds
// the next kind in its place, so that towers come and go all game long. The
// player never runs short of money or health: the point is the hundredth
// wave, not winning it.
class SoakGame {
  public:
    SoakGame() {
        session = new GameSession;
        session->start();
        screen = new PlayfieldScreen(*session);
    }

    ~SoakGame() {
        delete screen;
        delete session;
    }

    SoakGame(const SoakGame&) = delete;
    SoakGame& operator=(const SoakGame&) = delete;

    // Builds the row, then plays until wave `last` is over, calling afterWave
    // as each wave ends. False if a wave never ends.
    bool playThroughWave(int last, const std::function<void(const WaveRecord&)>& afterWave) {
        for (int slot = 0; slot < kSlots; ++slot)
            build(slot % towerTypeCount(), slotX(slot));

        int rebuilt = 0;
        while (session->waveNumber <= last) {
            WaveRecord record;
            record.number = session->waveNumber;
            int frames = 0;
            while (session->waveNumber == record.number) {
                if (++frames > kFrameLimitPerWave)
                    return false;
                frame(kFrameTime, true, frames % kDrawEvery == 0);
                session->health = session->maxHealth;
                if (session->wave)
                    record.invadersPeak =
                        std::max(record.invadersPeak, session->wave->invaders.size());
                record.projectilesPeak =
                    std::max(record.projectilesPeak, session->projectiles.size());
                record.effectsPeak = std::max(record.effectsPeak, session->effects.size());
            }
            record.projectilesAfter = session->projectiles.size();
            record.effectsAfter = session->effects.size();
            record.buildings = session->buildings.size();
            afterWave(record);

            const int slot = rebuilt % kSlots;
            sell(slotX(slot));
            build((slot + 1 + rebuilt / kSlots) % towerTypeCount(), slotX(slot));
            ++rebuilt;
        }
        return true;
    }

    GameSession* session = nullptr;
    PlayfieldScreen* screen = nullptr;

  private:
    static constexpr int kSlots = 9;
    static constexpr double kFrameTime = 1.0 / 60.0;
    static constexpr int kDrawEvery = 8;
    static constexpr int kFrameLimitPerWave = 60 * 60 * 10;
    // The build buttons and the demolish button, as the playfield lays them out.

    static int slotX(int slot) { return 20 + 35 * slot; }

    // With Tab held, as a player waiting for the next wave would.
    void frame(double dt, bool fastForward, bool draw) {
        platform.time += dt;
        engine.waitForFrame();
        screen->step(dt, fastForward);
        if (draw)
            screen->draw();
    }

    void click(int x, int y, int button = 1) {
        platform.x = 2 * x + 1;
        platform.y = 2 * y + 1;
        platform.buttons = button;
        frame(0.0, false, true);
        platform.buttons = 0;
        frame(0.0, false, true);
    }

    void build(int type, int x) {
        session->money = std::max(session->money, engine.towerDefs[type].value);
        const layout::Rect button = layout::buildButton(type, engine.buttonSpacing);
        click(button.centreX(), button.centreY());
        click(x, engine.towerBaseline - 2);
        click(x, engine.towerBaseline - 2, 2); // done placing
    }

    void sell(int x) {
        click(x, engine.towerBaseline - 2);
        click(layout::kFirstButton.centreX(), layout::kFirstButton.centreY());
    }

    EngineScope scope;
    Engine& engine = scope.engine;
    FakePlatform& platform = scope.platform;
};
