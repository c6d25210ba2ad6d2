// A missile's link to its target is cleared by the wave, which no longer has
// to be searched; the sanitizer build checks that nothing reaches a deleted
// invader or wave, whichever of link, invader and wave goes first.

#include "defences/TargetLink.h"

#include "app/Engine.h"
#include "game/GameSession.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class StillInvader : public Invader {
  public:
    StillInvader() {
        health = 10;
        player = nullptr;
    }
    void update(double) override {}
    void draw(BITMAP*) override {}
    void damage(int amount) override { health -= amount; }
};

Invader* addInvader(Wave* wave) {
    Invader* invader = new StillInvader;
    invader->wave = wave;
    wave->invaders.push_back(invader);
    return invader;
}

} // namespace

TEST(TargetLinkAndWave, TheWaveLetsGoOfWhatItDeletes) {
    GameSession session;
    session.wave = new Wave;
    Invader* first = addInvader(session.wave);
    Invader* second = addInvader(session.wave);

    // Several links on one invader, one going before the others, one never set.
    auto early = std::make_unique<TargetLink>();
    TargetLink onFirst, alsoOnFirst, onSecond, unset;
    early->set(&session, first);
    onFirst.set(&session, first);
    alsoOnFirst.set(&session, first);
    onSecond.set(&session, second);
    early.reset();
    EXPECT_EQ(onFirst.get(), first);
    EXPECT_EQ(unset.get(), nullptr);

    first->health = 0;
    session.wave->update(0.0);
    EXPECT_EQ(onFirst.get(), nullptr);
    EXPECT_EQ(alsoOnFirst.get(), nullptr);
    EXPECT_EQ(onSecond.get(), second);

    // Set again, on an invader of the same wave, then the wave goes.
    onFirst.set(&session, second);
    EXPECT_EQ(onFirst.get(), second);
    delete session.wave;
    session.wave = nullptr;
    EXPECT_EQ(onFirst.get(), nullptr);
    EXPECT_EQ(onSecond.get(), nullptr);

    // A new wave, perhaps at the old address, holds nothing of the old links.
    session.wave = new Wave;
    addInvader(session.wave);
    EXPECT_EQ(onSecond.get(), nullptr);
}
