// The game's sound effects, heard through a recorder in place of the sound
// device: a short game on the shipped data with Tab held, in which every
// event asks for its effect once, where it happens.

#include "app/Engine.h"
#include "defences/Building.h"
#include "defences/LaserProjectile.h"
#include "defences/MissileProjectile.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "game/Layout.h"
#include "game/PlayfieldScreen.h"
#include "gfx/SpritePlayer.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"
#include "support/EngineScope.h"
#include "support/Headless.h"
#include "support/RecordingSound.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

// A pan is right when it lies within this many pixels of what the frame
// shows for the event: shots and texts move in the frame that makes them.
constexpr int kPanSlack = 24;

class SoundEvents : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { loadShippedGame(); }

    void SetUp() override {
        engine.sound = &sound;
        session.start();
    }

    // One frame at 60 a second with Tab held, and the effects asked for in
    // it, against what the frame shows newly: bolts and missiles launched,
    // missiles gone (each blows up once at most), bounties paid, health lost and a
    // wave begun. A spark lasts less than such a frame, so a strike is only
    // held to lie within a coil's reach.
    void frame() {
        const std::set<const void*> before = objects();
        std::map<const void*, int> missilesBefore;
        for (const Projectile* p : session.projectiles)
            if (dynamic_cast<const MissileProjectile*>(p))
                missilesBefore[p] = static_cast<int>(p->x);
        int killsBefore = 0;
        for (const int k : session.kills)
            killsBefore += k;
        const int health = session.health;
        const bool waveOn = session.wave != nullptr;
        sound.played.clear();
        platform.time += 1.0 / 60.0;
        engine.waitForFrame();
        screen.step(1.0 / 60.0, true);

        std::map<SoundEffect, std::vector<int>> shown; // where each event is seen
        for (const Projectile* p : session.projectiles) {
            missilesBefore.erase(p);
            if (before.count(p))
                continue;
            if (dynamic_cast<const LaserProjectile*>(p))
                shown[SoundEffect::LaserShot].push_back(static_cast<int>(p->x));
            if (dynamic_cast<const MissileProjectile*>(p))
                shown[SoundEffect::MissileLaunch].push_back(static_cast<int>(p->x));
        }
        for (const auto& [missile, x] : missilesBefore)
            shown[SoundEffect::Explosion].push_back(x);
        for (const Effect* e : session.effects) {
            if (auto* text = dynamic_cast<const TextEffect*>(e); text && !before.count(e)) {
                shown[SoundEffect::SquibbleKilled].push_back(static_cast<int>(text->x));
                shown[SoundEffect::SquibbleEscaped].push_back(static_cast<int>(text->x));
            }
        }
        for (const Building* b : session.buildings)
            if (b->type == 2)
                shown[SoundEffect::TeslaStrike].push_back(static_cast<int>(b->centreX()));
        shown[SoundEffect::WaveAnnounced].push_back(layout::kCanvasWidth / 2);

        int kills = -killsBefore;
        for (const int k : session.kills)
            kills += k;
        mostKillsInAFrame = std::max(mostKillsInAFrame, kills);
        killsHeard += kills;
        std::map<SoundEffect, int> heard;
        for (const RecordingSound::Played& played : sound.played)
            ++heard[played.effect];
        for (const SoundEffect effect : {SoundEffect::LaserShot, SoundEffect::MissileLaunch})
            EXPECT_EQ(heard[effect], static_cast<int>(shown[effect].size())) << soundKey(effect);
        // A missile left with nothing to chase goes out without a blast.
        EXPECT_LE(heard[SoundEffect::Explosion],
                  static_cast<int>(shown[SoundEffect::Explosion].size()));
        blastsHeard += heard[SoundEffect::Explosion];
        EXPECT_EQ(heard[SoundEffect::SquibbleKilled], kills);
        EXPECT_EQ(heard[SoundEffect::SquibbleEscaped], health - session.health);
        EXPECT_EQ(heard[SoundEffect::WaveAnnounced], !waveOn && session.wave ? 1 : 0);
        strikesHeard += heard[SoundEffect::TeslaStrike];

        const int coilReach = engine.settings.getRadius("Tower3RangeBase");
        for (const RecordingSound::Played& played : sound.played) {
            const std::vector<int>& places = shown[played.effect];
            const int slack = played.effect == SoundEffect::TeslaStrike ? coilReach : kPanSlack;
            EXPECT_TRUE(std::any_of(places.begin(), places.end(),
                                    [&](int x) { return std::abs(x - played.x) <= slack; }))
                << soundKey(played.effect) << " at " << played.x;
        }
    }

    std::set<const void*> objects() const {
        std::set<const void*> all(session.projectiles.begin(), session.projectiles.end());
        all.insert(session.effects.begin(), session.effects.end());
        return all;
    }

    // A click on canvas pixel (x, y) over two frames, with the effects it
    // asked for.
    std::vector<RecordingSound::Played> click(int x, int y, int button = 1) {
        platform.x = 2 * x + 1;
        platform.y = 2 * y + 1;
        platform.buttons = button;
        tick();
        sound.played.clear();
        platform.buttons = 0;
        tick();
        return sound.played;
    }

    // A frame in which no time passes, for the input alone.
    void tick() {
        engine.waitForFrame();
        screen.step(0.0, false);
    }

    EngineScope scope;
    Engine& engine = scope.engine;
    FakePlatform& platform = scope.platform;
    RecordingSound sound;
    GameSession session;
    PlayfieldScreen screen{session};
    int mostKillsInAFrame = 0;
    int killsHeard = 0;
    int strikesHeard = 0;
    int blastsHeard = 0;
};

bool heardOnce(const std::vector<RecordingSound::Played>& played, SoundEffect effect, int x) {
    return played.size() == 1 && played[0].effect == effect && std::abs(played[0].x - x) <= 1;
}

} // namespace

TEST_F(SoundEvents, EveryEventIsHeardOnceWhereItHappens) {
    session.money = 1000;
    // A coil that reaches the whole sky strikes from the first wave on,
    // however soon the other towers kill what comes near it.
    engine.settings.set("Tower3RangeBase", "400");
    const int ground = engine.towerBaseline - 5;
    for (int type = 0; type < 3; ++type) {
        const layout::Rect button = layout::buildButton(type, engine.buttonSpacing);
        EXPECT_TRUE(heardOnce(click(button.centreX(), button.centreY()), SoundEffect::Click,
                              button.centreX()));
        const int x = 70 + 90 * type;
        EXPECT_TRUE(heardOnce(click(x, ground), SoundEffect::TowerPlaced, x)) << type;
        click(x, ground, 2);
    }

    while (!(session.waveNumber == 3 && session.wave) && !session.gameOver)
        frame();
    EXPECT_GT(killsHeard, 0);
    EXPECT_GT(strikesHeard, 0);
    EXPECT_GT(blastsHeard, 0);
    EXPECT_GE(mostKillsInAFrame, 2) << "no frame with several kills";
    ASSERT_FALSE(session.gameOver);

    // A squibble that is already dead pays nothing and is not heard again;
    // one that reaches the bottom is heard where it got through.
    Invader* struck = session.wave->invaders.front();
    sound.played.clear();
    struck->damage(INT_MAX / 2);
    struck->damage(INT_MAX / 2);
    EXPECT_TRUE(heardOnce(sound.played, SoundEffect::SquibbleKilled, struck->centreX()));
    const int healthBefore = session.health;
    session.wave->invaders.back()->y = layout::kCanvasHeight;
    frame();
    EXPECT_LT(session.health, healthBefore) << "no squibble got through";

    const layout::Rect first = layout::buildButton(0, engine.buttonSpacing);
    Building* laser = session.buildings.front();
    const int laserX = static_cast<int>(laser->centreX());
    click(laserX, ground);
    EXPECT_TRUE(heardOnce(click(first.centreX(), first.centreY()), SoundEffect::TowerSold, laserX));

    platform.press(KEY_M);
    tick();
    EXPECT_EQ(sound.toggles, 1);

    sound.played.clear();
    session.health = 0;
    tick();
    EXPECT_TRUE(heardOnce(sound.played, SoundEffect::GameOver, layout::kCanvasWidth / 2));
}
