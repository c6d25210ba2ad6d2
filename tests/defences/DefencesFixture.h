#pragma once

#include "app/Engine.h"
#include "game/GameSession.h"
#include "game/TowerType.h"
#include "invaders/Invader.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <vector>

class BitmapFont;
class SimpleEffect;
class SpriteSheet;
class TextEffect;
class Wave;

// An invader that only keeps count: the damage it took, and no bounty.
class TestInvader : public Invader {
  public:
    TestInvader(double x, double y, int health, double size);

    void update(double dt) override;
    void draw(BITMAP*) override {}
    void damage(int amount) override;

    std::vector<int> damageTaken;
    // When set, a hit shows animation 1, whose frames are bigger, as a
    // squibble's hit animation may.
    bool flinches = false;
};

// Sheets and pictures made for these tests, loaded once per program and kept
// like the engine keeps its own.
struct DefenceArt {
    static const DefenceArt& get();

    // Tower sheets: animation 0 rests, 1 is the blocked look. The laser
    // turret's firing animation 2 has bigger frames (20 x 24) than its resting
    // ones (16 x 20); the missile turret's frames are 20 x 16; the tesla
    // coil's resting loop shows 24 x 20, then 28 x 24, for 0.1 s each.
    SpriteSheet* towers[3];
    SpriteSheet* missile;   // 16 directions, 8 x 8
    SpriteSheet* puff;      // 6 x 6, one cycle of 0.3 s
    SpriteSheet* poof;      // 10 x 10
    SpriteSheet* explosion; // 12 x 12
    SpriteSheet* invader;   // 14 x 12; the hit animation 1 is 18 x 16
    BITMAP* bolt;           // 3 x 10
    BitmapFont* font;       // every glyph has a shape and width of its own
};

// A session of its own in the engine, with the test art and known settings.
// Whatever a test puts into the session's lists is deleted with the session.
class DefencesTest : public ::testing::Test {
  protected:
    static constexpr int kBaseline = 200;
    static constexpr int kTowerValues[3] = {25, 40, 60};

    void SetUp() override;
    void TearDown() override;

    // A tower of the given class, of the first type in the table that makes
    // one, placed in the session with its left edge at x, owned by the test.
    template <typename Tower> std::unique_ptr<Tower> place(int x) {
        std::unique_ptr<Tower> tower;
        for (int type = 0; type < towerTypeCount() && !tower; ++type) {
            std::unique_ptr<Building> made(makeBuilding(type));
            if (dynamic_cast<Tower*>(made.get()))
                tower.reset(static_cast<Tower*>(made.release()));
        }
        tower->game = session;
        tower->setPosition(x);
        return tower;
    }

    // Starts a wave in the session that keeps its dead, so that a test can
    // look at them after the session's update.
    Wave* startWave();
    // Starts a plain wave, which deletes its dead in its update.
    Wave* startDeletingWave();
    // Appends an invader whose hit circle is centred on (cx, cy).
    TestInvader* addInvader(double cx, double cy, int health = 100, double size = 6.0);

    // The one-shot effects of the session made on the given sheet, in order.
    std::vector<SimpleEffect*> effectsOn(const SpriteSheet* sheet) const;
    // The session's effects or projectiles of one kind, in order.
    template <typename Kind> std::vector<Kind*> effectsOfKind() const {
        return ofKind<Kind>(session->effects);
    }
    template <typename Kind> std::vector<Kind*> projectilesOfKind() const {
        return ofKind<Kind>(session->projectiles);
    }

    EngineScope scope;
    Engine& engine = scope.engine;
    FakePlatform& platform = scope.platform;
    const DefenceArt& art = DefenceArt::get();
    GameSession* session = nullptr;

  private:
    template <typename Kind, typename Base>
    static std::vector<Kind*> ofKind(const std::list<Base*>& list) {
        std::vector<Kind*> found;
        for (Base* item : list) {
            if (auto* kind = dynamic_cast<Kind*>(item))
                found.push_back(kind);
        }
        return found;
    }
};
