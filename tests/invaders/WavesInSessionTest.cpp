#include "effects/BannerEffect.h"
#include "game/SessionFixture.h"
#include "invaders/BossWave.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"
#include "support/RecordingSound.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<double> heights(const Wave* wave) {
    std::vector<double> result;
    for (const Invader* invader : wave->invaders)
        result.push_back(invader->y);
    return result;
}

} // namespace

// With nothing to stop them, the first waves march down and the game is lost.
TEST_F(SessionTest, UndefendedWavesEndTheGame) {
    int escapesInFirstWave = 0;
    int step = 0;
    for (; step < 100000 && !session->gameOver; ++step) {
        const int healthBefore = session->health;
        session->update(0.1);
        if (session->waveNumber == 1)
            escapesInFirstWave += healthBefore - session->health;
        if (session->wave) {
            for (const Invader* invader : session->wave->invaders)
                ASSERT_LT(invader->y, 190.0);
        }
    }
    ASSERT_TRUE(session->gameOver);

    // Wave 1 lost all 16 squibbles at the bottom; in wave 2 the front row of
    // 6 arrived together and took the last 4 points and more.
    EXPECT_EQ(escapesInFirstWave, 16);
    EXPECT_EQ(session->waveNumber, 2);
    EXPECT_EQ(session->health, 0);
    ASSERT_NE(session->wave, nullptr);
    EXPECT_EQ(session->wave->invaders.size(), 18u - 6u);

    // The rest of the wave stands where the game ended.
    const auto frozen = heights(session->wave);
    for (int i = 0; i < 50; ++i)
        session->update(0.1);
    EXPECT_EQ(heights(session->wave), frozen);
    EXPECT_EQ(session->waveNumber, 2);
    frame();
}

// Every "BossWaveEvery"th wave is the boss alone, named by a banner of its
// own and her sound under the wave's announcement, once her keys are there.
TEST_F(SessionTest, EveryNthWaveIsTheBossAloneUnderItsBanner) {
    RecordingSound sound;
    engine.sound = &sound;
    engine.settings.set("BossWaveEvery", "2");
    session->waveNumber = 2;
    session->waveTimer = 0.0;
    session->update(0.0);
    ASSERT_NE(session->wave, nullptr);
    EXPECT_EQ(session->wave->invaders.size(), 18u) << "no boss without its keys";
    delete session->wave;
    session->wave = nullptr;

    InvaderDef& boss = engine.invaderDefs[3];
    boss = engine.invaderDefs[0];
    boss.present = true;
    boss.name = "Boss";
    for (const int wave : {3, 4}) {
        sound.played.clear();
        session->waveNumber = wave;
        session->waveTimer = 0.0;
        session->update(0.0);
        ASSERT_NE(session->wave, nullptr);
        const bool bossWave = dynamic_cast<BossWave*>(session->wave) != nullptr;
        EXPECT_EQ(bossWave, wave == 4) << wave;
        const long banners =
            std::count_if(session->effects.begin(), session->effects.end(),
                          [](const Effect* e) { return dynamic_cast<const BannerEffect*>(e); });
        EXPECT_EQ(banners, bossWave ? 1 : 0) << wave;
        EXPECT_EQ(sound.heard(SoundEffect::BossArrived), bossWave ? 1 : 0) << wave;
        if (bossWave) {
            ASSERT_EQ(session->wave->invaders.size(), 1u);
            EXPECT_EQ(session->wave->invaders.front()->kind, 3);
        }
        delete session->wave;
        session->wave = nullptr;
    }
}
