#include "invaders/BossWave.h"

#include "app/Engine.h"
#include "app/Saturating.h"
#include "game/GameSession.h"
#include "gfx/SpriteSheet.h"
#include "invaders/Invader.h"
#include "invaders/InvaderKind.h"

namespace {
// Centred where the squibbles' block is, its head coming into sight at
// once, so that the player sees what comes and its bar stands over it from
// the first step down.
constexpr int kFormationCentre = 150;
constexpr int kStartY = -8;
} // namespace

BossWave::BossWave(int kind, GameSession* game) : SquibbleWave(0.0) {
    this->game = game;
    const std::vector<InvaderDef>& defs = Engine::instance().invaderDefs;
    speed = heldSpeed(defs[kind].speed);

    Invader* boss = makeInvader(kind, game ? game->waveNumber : 1);
    invaders.push_back(boss);
    boss->wave = this;

    // The squibbles' edges are where a squibble's left and top stand; a
    // boss turns when its right side passes where theirs would, and gets
    // through when its feet reach where theirs do.
    const SpriteSheet* squibble = defs[0].sprite;
    const int widthBeyond = restingFrameWidth(defs[kind].sprite) - restingFrameWidth(squibble);
    const int heightBeyond = restingFrameHeight(defs[kind].sprite) - restingFrameHeight(squibble);
    rightTurn -= widthBeyond;
    bottomLine -= heightBeyond;
    boss->x = kFormationCentre - restingFrameWidth(defs[kind].sprite) / 2;
    boss->y = kStartY;
}
