#pragma once

#include "app/Engine.h"
#include "effects/SimpleEffect.h"
#include "effects/TestArt.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "invaders/InvaderKind.h"
#include "invaders/Wave.h"
#include "support/EngineScope.h"
#include "support/RecordingSound.h"

#include <gtest/gtest.h>

#include <memory>

// A session for the invaders to play in, with a made-up invader
// definition, poof sheet, fonts and wave speeds; the engine gets its own
// things back when the scope ends. The session is never run.
//
// Invader sheet: 14 × 12 frames; animation a (0 to 4) shows frame a, two
// frames of animation 1 and 3 so that a restart can be told apart. Poof: one
// 8 × 6 frame. The other kinds are absent until a test gives them keys with
// kindLike. The sound is heard by a recorder.
class SessionScope {
  public:
    SessionScope() {
        invaderSheet = testart::stripSheet(
            14, 12, 5, {{4.0f, {0}}, {8.0f, {1, 4}}, {4.0f, {2}}, {8.0f, {3, 4}}, {8.0f, {4}}});
        poof = testart::stripSheet(8, 6, 1, {{10.0f, {0}}});
        small = testart::blockFont({250, 250, 250}, 3, 5);
        smallRed = testart::blockFont({250, 0, 0}, 3, 5);

        engine.sound = &sound;
        engine.invaderDefs[0].health = 10;
        engine.invaderDefs[0].healthIncrease = 2.5;
        engine.invaderDefs[0].value = 7;
        engine.invaderDefs[0].size = 6.0;
        engine.invaderDefs[0].sprite = invaderSheet.get();
        engine.poofSheet = poof.get();
        engine.fontSmall = small.get();
        engine.fontSmallRed = smallRed.get();
        setSpeeds("10", "2", "15");

        session.health = 20;
        session.money = 100;
        session.waveNumber = 1;
        wave.game = &session;
    }

    SessionScope(const SessionScope&) = delete;
    SessionScope& operator=(const SessionScope&) = delete;

    // Puts the invader in the session's game, as a wave of it would: its
    // bounties, kills and escapes count there.
    template <typename Kind> Kind& inGame(Kind& invader) {
        invader.wave = &wave;
        return invader;
    }
    // A new invader of the kind, made for the session's wave, in its game.
    Invader* make(int kind) {
        Invader* invader = makeInvader(kind, session.waveNumber);
        invader->wave = &wave;
        return invader;
    }

    // Gives the kind the squibble's definition, its own bounty, and makes it
    // present; a test changes the rest.
    InvaderDef& kindLike(int kind, int value) {
        InvaderDef& def = engine.invaderDefs[kind];
        def = engine.invaderDefs[0];
        def.present = true;
        def.value = value;
        return def;
    }

    void setSpeeds(const char* base, const char* increase, const char* max) {
        engine.settings.set("Wave1SpeedBase", base);
        engine.settings.set("Wave1SpeedIncrease", increase);
        engine.settings.set("Wave1SpeedMax", max);
    }

    // The session's effects are exactly what an invader leaves at (x, y): a
    // poof, then a two-character text in the given ink.
    void expectPoofAndText(int x, int y, int ink) const {
        ASSERT_EQ(session.effects.size(), 2u);
        const auto* poofEffect = dynamic_cast<SimpleEffect*>(session.effects.front());
        ASSERT_NE(poofEffect, nullptr);
        EXPECT_EQ(poofEffect->x, x - 8 / 2);
        EXPECT_EQ(poofEffect->y, y - 6 / 2);
        EXPECT_EQ(poofEffect->delay, 0.0);
        const auto* text = dynamic_cast<TextEffect*>(session.effects.back());
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->x, x);
        EXPECT_EQ(text->y, y);
        EXPECT_EQ(text->image->w, 2 * 3 + 2);
        EXPECT_EQ(getpixel(text->image, 0, 0), ink);
    }

    EngineScope scope;
    Engine& engine = scope.engine;
    // Made before the session, so that they outlast what it still holds.
    std::unique_ptr<SpriteSheet> invaderSheet;
    std::unique_ptr<SpriteSheet> poof;
    std::unique_ptr<BitmapFont> small;
    std::unique_ptr<BitmapFont> smallRed;
    RecordingSound sound;
    GameSession session;
    // The wave the invaders made here belong to; it holds none of them.
    Wave wave;
};
