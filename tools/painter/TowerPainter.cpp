#include "painter/TowerPainter.h"

#include "painter/Dice.h"
#include "painter/Ink.h"
#include "painter/Symmetric.h"

#include <cmath>

namespace {

// Every tower's animation 1: the red look of a place it cannot go.
constexpr int kBlockedLook = 1;

// ---- Laser turret: a tall barrel on a domed head, 19 x 30.

constexpr int kLaserWidth = 19;
constexpr int kLaserHeight = 30;

// The barrel alone, so that it can recoil behind the head.
Picture laserBarrel(int recoil, bool hotTip) {
    // clang-format off
    Picture barrel = symmetricPicture({
        "..........",
        "..........",
        "........11",
        hotTip ? ".......1a7" : ".......188",
        hotTip ? ".......177" : ".......1ee",
        ".......111",
        ".......176",
        ".......176",
        ".......155",
        ".......176",
        ".......176",
        ".......155",
        ".......176",
        ".......176",
        ".......176",
        ".......176",
        ".......176",
    });
    // clang-format on
    return barrel.shifted(0, recoil);
}

Picture laserBody(bool lightsOn) {
    const char light = lightsOn ? '8' : '2';
    std::string base = "1576686666";
    base[5] = light;
    // clang-format off
    return symmetricPicture({
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        ".....11176",
        "....177776",
        "...1776666",
        "..17666666",
        "..16611111",
        "..1661e888",
        "..16611111",
        "..15666666",
        "..15555555",
        "...1111111",
        "....156666",
        "..11111111",
        ".157777777",
        base,
        "1555555555",
        "1111111111",
    });
    // clang-format on
}

Picture laserFrame(int recoil, bool hotTip, bool lightsOn, const std::vector<std::string>& flash) {
    Picture frame(kLaserWidth, kLaserHeight);
    frame.stamp(0, 0, laserBarrel(recoil, hotTip));
    frame.stamp(0, 0, laserBody(lightsOn));
    frame.stamp(6, 0, flash);
    return frame;
}

// ---- Missile turret: a squat launcher whose tube turns left or right, 23 x 22.

constexpr int kMissileWidth = 23;
constexpr int kMissileHeight = 22;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPivotX = 11.0;
constexpr double kPivotY = 13.0;

// The launch tube, up and to the left, pulled back by `recoil` pixels. Drawn
// at 45 degrees, where pixel steps stay clean; the missile's own 36 degrees
// are too close to tell apart at this size.
Picture missileTube(double recoil) {
    Picture tube(kMissileWidth, kMissileHeight);
    const double ax = -std::sqrt(0.5), ay = -std::sqrt(0.5);
    constexpr double kLength = 11.0;
    for (int y = 0; y < kMissileHeight; ++y) {
        for (int x = 0; x < kMissileWidth; ++x) {
            const double dx = x + 0.5 - kPivotX, dy = y + 0.5 - kPivotY;
            const double u = dx * ax + dy * ay + recoil;
            const double v = -dx * ay + dy * ax;
            if (u < 0.0 || u > kLength || std::fabs(v) > 2.1)
                continue;
            int colour = v < -1.0 ? Ink::White : v < 0.9 ? Ink::LightGrey : Ink::DarkGrey;
            if (u > kLength - 1.4)
                colour = std::fabs(v) < 0.8 ? Ink::Red : Ink::DarkBlue;
            else if (std::fabs(u - 6.5) < 0.75)
                colour = v < 0.0 ? Ink::Orange : Ink::Brown;
            tube.set(x, y, colour);
        }
    }
    tube.outline(Ink::DarkBlue);
    return tube;
}

Picture missileBody(bool lightOn) {
    // clang-format off
    Picture body = symmetricPicture({
        "............",
        "............",
        "............",
        "............",
        "............",
        "............",
        "............",
        "............",
        "............",
        "............",
        "........1111",
        "......117777",
        ".....1776666",
        "....17666666",
        "....16655666",
        "....15666666",
        "...115555555",
        "..1444444444",
        ".14944944944",
        ".14444444444",
        "155555555555",
        "111111111111",
    });
    // clang-format on
    body.set(11, 14, lightOn ? Ink::Red : Ink::DarkPurple);
    return body;
}

// Smoke at the tube's mouth, `size` from 0 (none) to 3 (the biggest).
Picture launchSmoke(int size) {
    Picture smoke(kMissileWidth, kMissileHeight);
    if (size == 0)
        return smoke;
    const double mouthX = kPivotX - 12.0 * std::sqrt(0.5);
    const double mouthY = kPivotY - 12.0 * std::sqrt(0.5);
    smoke.disc(mouthX, mouthY, 1.0 + size, Ink::LightGrey);
    smoke.disc(mouthX + 0.5, mouthY - 0.5, 0.5 + 0.7 * size, Ink::White);
    if (size == 3)
        smoke.disc(mouthX - 0.5, mouthY + 0.5, 1.2, Ink::Yellow);
    return smoke;
}

Picture missileFrame(double recoil, bool lightOn, int smoke) {
    Picture frame(kMissileWidth, kMissileHeight);
    frame.stamp(0, 0, missileTube(recoil));
    frame.stamp(0, 0, missileBody(lightOn));
    frame.stamp(0, 0, launchSmoke(smoke));
    return frame;
}

// ---- Tesla coil: a copper-wound mast under a glowing ball, 17 x 30.

constexpr int kTeslaWidth = 17;
constexpr int kTeslaHeight = 30;
// The ball's centre: 23 pixels above the ground, where the arcs start.
constexpr double kBallX = 8.5;
constexpr double kBallY = 7.5;

Picture teslaMast() {
    // clang-format off
    return symmetricPicture({
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".....1111",
        ".....1666",
        "......199",
        "......144",
        "......199",
        "......144",
        "......199",
        "......144",
        "......199",
        "......144",
        "......199",
        ".....1555",
        "....15666",
        "...156666",
        "..1555555",
        ".11111111",
        ".15777777",
        "155555555",
        "111111111",
    });
    // clang-format on
}

Picture teslaBall(bool bright) {
    Picture ball(kTeslaWidth, kTeslaHeight);
    ball.disc(kBallX - 0.5, kBallY - 0.5, 4.6, bright ? Ink::Blue : Ink::Lavender);
    ball.disc(kBallX - 0.5, kBallY - 0.5, 2.5, bright ? Ink::White : Ink::Blue);
    ball.set(6, 5, Ink::White);
    ball.set(7, 5, Ink::White);
    ball.set(6, 6, Ink::White);
    ball.outline(Ink::DarkBlue);
    return ball;
}

// A short crackle leaving the ball in a random direction.
void spark(Picture& frame, Dice& dice) {
    const double angle = dice.roll(360) * kPi / 180.0;
    double x = kBallX - 0.5 + 5.0 * std::cos(angle);
    double y = kBallY - 0.5 - 5.0 * std::sin(angle);
    for (int step = 0; step < 3; ++step) {
        const double nx = x + 1.6 * std::cos(angle) + (dice.roll(3) - 1);
        const double ny = y - 1.6 * std::sin(angle) + (dice.roll(3) - 1);
        frame.line(static_cast<int>(x), static_cast<int>(y), static_cast<int>(nx),
                   static_cast<int>(ny), step == 2 ? Ink::Yellow : Ink::White);
        x = nx;
        y = ny;
    }
}

Picture teslaFrame(bool bright, int sparks, Dice& dice) {
    Picture frame(kTeslaWidth, kTeslaHeight);
    frame.stamp(0, 0, teslaMast());
    frame.stamp(0, 0, teslaBall(bright));
    for (int s = 0; s < sparks; ++s)
        spark(frame, dice);
    return frame;
}

} // namespace

SheetStrip TowerPainter::recoloured(const SheetStrip& tower, const std::array<int, 16>& map) {
    return tower.recoloured(map, {kBlockedLook});
}

SheetStrip TowerPainter::laserTurret() {
    SheetStrip strip(kLaserWidth, kLaserHeight);
    const std::vector<std::string> noFlash;
    const int restLit = strip.add(laserFrame(0, false, true, noFlash));
    const int restDim = strip.add(laserFrame(0, false, false, noFlash));
    const int blocked = strip.add(laserFrame(0, false, true, noFlash).recoloured(Ink::kBlockedRed));
    const std::vector<int> firing = strip.add({
        laserFrame(2, true, true, {"a..7..a", ".a.7.a.", "..777..", "a77777a", "..a7a.."}),
        laserFrame(2, true, true, {".......", "...a...", "..a7a..", ".a777a."}),
        laserFrame(1, true, true, noFlash),
        laserFrame(1, false, true, noFlash),
    });
    strip.animate("0: resting, the base lights blinking", 2.0f, {restLit, restDim});
    strip.animate("1: the place is taken", 1.0f, {blocked});
    strip.animate("2: firing: flash, recoil and back, played once", 16.0f, firing);
    return strip;
}

SheetStrip TowerPainter::missileTurret() {
    SheetStrip strip(kMissileWidth, kMissileHeight);
    const Picture restLit = missileFrame(0.0, true, 0);
    const Picture restDim = missileFrame(0.0, false, 0);
    const std::vector<Picture> launch = {missileFrame(2.0, true, 3), missileFrame(2.0, true, 2),
                                         missileFrame(1.0, true, 1), missileFrame(0.0, true, 0)};

    const std::vector<int> restLeft = strip.add({restLit, restDim});
    const int blocked = strip.add(restLit.recoloured(Ink::kBlockedRed));
    const std::vector<int> restRight = strip.add({restLit.mirrored(), restDim.mirrored()});
    const std::vector<int> launchLeft = strip.add(launch);
    std::vector<int> launchRight;
    for (const Picture& frame : launch)
        launchRight.push_back(strip.add(frame.mirrored()));

    strip.animate("0: resting, tube to the left", 2.0f, restLeft);
    strip.animate("1: the place is taken", 1.0f, {blocked});
    strip.animate("2: resting, tube to the right", 2.0f, restRight);
    strip.animate("3: launching to the left, played once", 12.0f, launchLeft);
    strip.animate("4: launching to the right, played once", 12.0f, launchRight);
    return strip;
}

SheetStrip TowerPainter::teslaCoil() {
    SheetStrip strip(kTeslaWidth, kTeslaHeight);
    Dice dice(0x7e51a);
    std::vector<int> rest;
    const int sparks[] = {1, 0, 2, 1, 0, 2};
    for (int f = 0; f < 6; ++f)
        rest.push_back(strip.add(teslaFrame(f % 2 == 0, sparks[f], dice)));
    Dice calm(1);
    const int blocked = strip.add(teslaFrame(true, 0, calm).recoloured(Ink::kBlockedRed));
    strip.animate("0: resting, crackling with small sparks", 10.0f, rest);
    strip.animate("1: the place is taken", 1.0f, {blocked});
    return strip;
}
