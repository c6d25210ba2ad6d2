#include "invaders/Shellback.h"

#include "app/Engine.h"
#include "effects/ArmourSparkEffect.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "game/InvaderDef.h"
#include "gfx/SpritePlayer.h"
#include "invaders/Wave.h"

#include <allegro.h>

#include <string>

namespace {
// The sparks off the shell of a hit turned aside.
constexpr int kTurnedAside = 4;
// From the sprite's top: where the shell's crown is, and how far above it and
// right of the middle a softened hit's figure starts.
constexpr int kShellTop = 2;
constexpr int kFigureAbove = 8;
constexpr int kFigureRight = 4;
// The palette's light grey: what a softened hit did, apart from the white
// of a full one.
constexpr int kSoftenedRed = 0xc2, kSoftenedGreen = 0xc3, kSoftenedBlue = 0xc7;
} // namespace

Shellback::Shellback(int kind, int waveNumber) : Squibble(kind, waveNumber) {}

void Shellback::damage(int amount) {
    if (health <= 0)
        return;
    const int armour = def().armour;
    GameSession* game = wave ? wave->game : nullptr;
    if (amount > armour) {
        // Shown before the hit, which may kill it and take its frame away.
        if (game && armour > 0)
            showSoftened(*game, amount - armour);
        Squibble::damage(amount - armour);
        return;
    }
    player->playThen(kTurnedAside, restingLoop());
    if (game)
        game->effects.push_back(
            new ArmourSparkEffect(centreX(), centreY(), ArmourSparkEffect::TurnedAside));
    Engine::instance().sound->play(SoundEffect::ArmourTurnedAside, centreX());
}

void Shellback::showSoftened(GameSession& game, int done) {
    const Engine& engine = Engine::instance();
    // The sparks fly off the top of the shell, and the figure starts beside
    // it, where its grey does not meet the shell's.
    const int top = static_cast<int>(y);
    game.effects.push_back(
        new ArmourSparkEffect(centreX(), top + kShellTop, ArmourSparkEffect::Softened));
    auto* figure = new TextEffect(centreX() + kFigureRight, top - kFigureAbove, engine.fontSmall,
                                  std::to_string(done).c_str());
    figure->inkWith(makecol(kSoftenedRed, kSoftenedGreen, kSoftenedBlue));
    game.effects.push_back(figure);
}
