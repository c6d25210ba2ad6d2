#include "invaders/SquibbleWave.h"

#include "app/Engine.h"
#include "app/Saturating.h"
#include "effects/SimpleEffect.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "game/Layout.h"
#include "invaders/Squibble.h"

#include <algorithm>

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

SquibbleWave::SquibbleWave(int count) : march(kDownAtLeft), descended(0.0) {
    Engine& engine = Engine::instance();
    const int waveNumber = engine.session ? engine.session->waveNumber : 1;
    const double base = engine.settings.getReal("Wave1SpeedBase");
    const double increase = engine.settings.getReal("Wave1SpeedIncrease");
    const double cap = engine.settings.getReal("Wave1SpeedMax");
    speed = (waveNumber - 1) * increase + base;
    if (!(cap > speed))
        speed = cap;
    speed = heldSpeed(speed);

    const int lastRow = (count - 1) / kRowLength;
    for (int i = 0; i < count; ++i) {
        Squibble* squibble = new Squibble();
        invaders.push_back(squibble);
        squibble->wave = this;

        const int row = i / kRowLength;
        const int inRow = std::min(count - kRowLength * row, kRowLength);
        squibble->x = (i % kRowLength) * kCellWidth - inRow * (kCellWidth / 2) + kFormationCentre;
        squibble->y = (row - lastRow) * kRowSpacing + kLastRowY;
    }
}

void SquibbleWave::update(double dt) {
    Engine& engine = Engine::instance();
    GameSession* session = engine.session;

    // Once the game is lost the block stands where it is, still wobbling.
    if (session && session->gameOver) {
        for (Invader* invader : invaders)
            invader->update(dt);
        return;
    }

    int leftmost = layout::kCanvasWidth;
    int rightmost = 0;
    for (Invader* invader : invaders) {
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

        if (invader->health > 0 && invader->y >= kBottomLine)
            escape(invader);
    }

    if (march == kDownAtRight || march == kDownAtLeft)
        descended += dt * speed;

    // One turn per step at most; the overshoot of a step down is dropped.
    if (rightmost > kRightTurn && march == kRight) {
        march = kDownAtRight;
    } else if (descended >= kStepDown && march == kDownAtRight) {
        march = kLeft;
        descended = 0.0;
    } else if (leftmost <= kLeftTurn && march == kLeft) {
        march = kDownAtLeft;
    } else if (descended >= kStepDown && march == kDownAtLeft) {
        march = kRight;
        descended = 0.0;
    }

    Wave::update(dt);
}

void SquibbleWave::escape(Invader* invader) {
    invader->health = -1;
    Engine& engine = Engine::instance();
    GameSession* session = engine.session;
    if (!session)
        return;
    session->health -= 1;
    session->effects.push_back(
        new SimpleEffect(invader->centreX(), invader->centreY(), engine.poofSheet, 0.0));
    session->effects.push_back(
        new TextEffect(invader->centreX(), invader->centreY(), engine.fontSmallRed, "-1"));
    engine.sound->play(SoundEffect::SquibbleEscaped, invader->centreX());
}
