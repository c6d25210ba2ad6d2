#include "invaders/SquibbleWave.h"

#include "app/Engine.h"
#include "app/Saturating.h"
#include "effects/SimpleEffect.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "game/Layout.h"
#include "invaders/Invader.h"
#include "invaders/InvaderKind.h"

#include <algorithm>
#include <cstdio>

namespace {
// March states.
constexpr int kRight = 0;
constexpr int kDownAtRight = 1;
constexpr int kLeft = 2;
constexpr int kDownAtLeft = 3;

// The formation: rows of up to 12 in 20-pixel cells centred on x = 150, rows
// 16 pixels apart, the last row at y = -20 and the others above it, all out
// of sight until the first step down brings the last row in.
constexpr int kRowLength = 12;
constexpr int kCellWidth = 20;
constexpr int kFormationCentre = 150;
constexpr int kRowSpacing = 16;
constexpr int kLastRowY = -20;

// Where the block turns, and how far it steps down at each side.
constexpr int kRightTurn = 295;
constexpr int kLeftTurn = 8;
constexpr double kStepDown = 16.0;
// An invader whose top reaches this line has got through.
constexpr double kBottomLine = 190.0;
} // namespace

SquibbleWave::SquibbleWave(double speed)
    : speed(speed), march(kDownAtLeft), descended(0.0), rightTurn(kRightTurn), leftTurn(kLeftTurn),
      bottomLine(kBottomLine) {}

SquibbleWave::SquibbleWave(int count, GameSession* game) : SquibbleWave(0.0) {
    this->game = game;
    Engine& engine = Engine::instance();
    const int waveNumber = game ? game->waveNumber : 1;
    const double base = engine.settings.getReal("Wave1SpeedBase");
    const double increase = engine.settings.getReal("Wave1SpeedIncrease");
    const double cap = engine.settings.getReal("Wave1SpeedMax");
    speed = (waveNumber - 1) * increase + base;
    if (!(cap > speed))
        speed = cap;
    speed = heldSpeed(speed);

    const std::vector<int> kinds = kindsOfPlaces(count, waveNumber);
    const int lastRow = (count - 1) / kRowLength;
    for (int i = 0; i < count; ++i) {
        Invader* invader = makeInvader(kinds[i], waveNumber);
        invaders.push_back(invader);
        invader->wave = this;

        const int row = i / kRowLength;
        const int inRow = std::min(count - kRowLength * row, kRowLength);
        invader->x = (i % kRowLength) * kCellWidth - inRow * (kCellWidth / 2) + kFormationCentre;
        invader->y = (row - lastRow) * kRowSpacing + kLastRowY;
    }
}

std::vector<int> SquibbleWave::kindsOfPlaces(int count, int waveNumber) {
    std::vector<int> kinds(std::max(count, 0), 0);
    const std::vector<InvaderDef>& defs = Engine::instance().invaderDefs;
    for (int kind = 1; kind < static_cast<int>(defs.size()); ++kind) {
        const InvaderDef& def = defs[kind];
        if (!def.present || def.firstWave < 1 || waveNumber < def.firstWave)
            continue;
        // Of the places still held by squibbles, every so many, counted from
        // the front row so that the first to come are seen first.
        std::vector<int> open;
        for (int i = count - 1; i >= 0; --i)
            if (kinds[i] == 0)
                open.push_back(i);
        const int wanted =
            std::min(static_cast<int>(count * def.share + 0.5), static_cast<int>(open.size()));
        for (int k = 0; k < wanted; ++k)
            kinds[open[(2 * k + 1) * open.size() / (2 * wanted)]] = kind;
    }
    return kinds;
}

void SquibbleWave::update(double dt) {
    // Once the game is lost the block stands where it is, still wobbling.
    if (game && game->gameOver) {
        for (Invader* invader : invaders)
            invader->update(dt);
        return;
    }

    int leftmost = layout::kCanvasWidth;
    int rightmost = 0;
    for (Invader* invader : invaders) {
        if (!invader->marching()) {
            invader->update(dt);
            if (invader->health > 0 && invader->y >= bottomLine)
                escape(invader);
            continue;
        }
        switch (march) {
        case kRight:
            invader->x += dt * speed;
            break;
        case kLeft:
            invader->x -= dt * speed;
            break;
        default:
            invader->y += dt * speed;
            break;
        }
        // The killed still hold their place in the block until they are removed.
        if (invader->x > rightmost)
            rightmost = static_cast<int>(invader->x);
        if (invader->x < leftmost)
            leftmost = static_cast<int>(invader->x);

        invader->update(dt);

        if (invader->health > 0 && invader->y >= bottomLine)
            escape(invader);
    }

    if (march == kDownAtRight || march == kDownAtLeft)
        descended += dt * speed;

    // One turn per step at most; the overshoot of a step down is dropped.
    if (rightmost > rightTurn && march == kRight) {
        march = kDownAtRight;
    } else if (descended >= kStepDown && march == kDownAtRight) {
        march = kLeft;
        descended = 0.0;
    } else if (leftmost <= leftTurn && march == kLeft) {
        march = kDownAtLeft;
    } else if (descended >= kStepDown && march == kDownAtLeft) {
        march = kRight;
        descended = 0.0;
    }

    Wave::update(dt);
}

void SquibbleWave::escape(Invader* invader) {
    invader->health = -1;
    if (!game)
        return;
    Engine& engine = Engine::instance();
    const int cost = engine.invaderDefs[invader->kind].escapeCost;
    game->health = saturatingSubtract(game->health, cost);
    game->countEscape(invader->kind);
    char text[16];
    std::snprintf(text, sizeof text, "-%d", cost);
    game->effects.push_back(
        new SimpleEffect(invader->centreX(), invader->centreY(), engine.poofSheet, 0.0));
    game->effects.push_back(
        new TextEffect(invader->centreX(), invader->centreY(), engine.fontSmallRed, text));
    engine.sound->play(SoundEffect::SquibbleEscaped, invader->centreX());
}
