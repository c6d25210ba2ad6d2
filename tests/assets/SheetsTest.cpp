// The sprite sheets of data/: the animations each is played with, and frames
// that fit the places the game draws them in.

#include "ShippedData.h"

#include "app/Settings.h"
#include "game/TowerType.h"
#include "gfx/SpriteSheet.h"
#include "invaders/InvaderKind.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace shippedData;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Distinct frames that an animation shows over one cycle.
int distinctFrames(const SpriteSheet& sheet, unsigned animation) {
    std::set<const BITMAP*> shown;
    for (int frame : sheet.animations[animation].frameNumbers)
        shown.insert(sheet.frames[frame]);
    int distinct = 0;
    std::vector<const BITMAP*> seen;
    for (const BITMAP* frame : shown) {
        bool same = false;
        for (const BITMAP* earlier : seen)
            same = same || !differ(frame, earlier);
        if (!same)
            ++distinct;
        seen.push_back(frame);
    }
    return distinct;
}

double cycleSeconds(const SpriteSheet& sheet, unsigned animation) {
    return sheet.animations[animation].frameCount / sheet.animations[animation].rate;
}

// The share of a frame's opaque pixels that are red or dark.
double redShare(const BITMAP* frame) {
    int opaque = 0, red = 0;
    for (int y = 0; y < frame->h; ++y)
        for (int x = 0; x < frame->w; ++x) {
            const int colour = rgb(frame, x, y);
            if (colour == kMask)
                continue;
            ++opaque;
            if (reddish(colour) || brightness(colour) < 40)
                ++red;
        }
    return opaque ? static_cast<double>(red) / opaque : 0.0;
}

std::string towerKey(int type, const char* key) {
    return "Tower" + std::to_string(towerTypes()[type].settingsNumber) + key;
}

std::string towerSheet(int type) {
    return settings().get(towerKey(type, "Sprite"));
}

std::string invaderKey(int kind, const char* key) {
    return "Invader" + std::to_string(invaderKinds()[kind].settingsNumber) + key;
}

// The average brightness of a frame's opaque pixels.
int light(const BITMAP* frame) {
    int sum = 0, opaque = 0;
    for (int y = 0; y < frame->h; ++y)
        for (int x = 0; x < frame->w; ++x)
            if (rgb(frame, x, y) != kMask) {
                sum += brightness(rgb(frame, x, y));
                ++opaque;
            }
    return opaque ? sum / opaque : 0;
}

} // namespace

TEST(TowerSheets, StandOnTheGroundLineAtASizeThatReadsBesideTheOthers) {
    for (int type = 0; type < towerTypeCount(); ++type) {
        const SpriteSheet sheet(towerSheet(type));
        ASSERT_GE(sheet.animationCount, towerTypes()[type].animations) << "type " << type;
        const BITMAP* rest = sheet.selectFrame(0, 0.0f);
        EXPECT_GE(rest->w, 16) << type;
        EXPECT_LE(rest->w, 24) << type;
        EXPECT_GE(rest->h, 20) << type;
        EXPECT_LE(rest->h, 30) << type;
        EXPECT_GT(opaquePixels(rest, 0, rest->h - 1, rest->w, 1), rest->w / 2)
            << "type " << type << " stands on its bottom row";
        // The footprint lies within the sprite that is centred on it.
        EXPECT_LE(settings().getInt(towerKey(type, "Width")), rest->w) << type;

        // Every animation keeps the resting size, so the tower does not jump about.
        for (unsigned a = 0; a < sheet.animationCount; ++a)
            for (int frame : sheet.animations[a].frameNumbers) {
                EXPECT_EQ(sheet.frames[frame]->w, rest->w) << type << " animation " << a;
                EXPECT_EQ(sheet.frames[frame]->h, rest->h) << type << " animation " << a;
            }

        const BITMAP* blocked = sheet.selectFrame(1, 0.0f);
        EXPECT_GT(redShare(blocked), 0.9) << "type " << type << " blocked look is red";
        EXPECT_LT(redShare(rest), 0.5) << type;
    }
}

TEST(TowerSheets, PlayTheirOwnAnimations) {
    const SpriteSheet laser(towerSheet(0));
    ASSERT_GE(laser.animationCount, 3u);
    EXPECT_GE(distinctFrames(laser, 2), 2) << "firing moves";
    EXPECT_LT(cycleSeconds(laser, 2), settings().getReal("Tower1FreqBase"))
        << "one shot's animation is over before the next shot";

    const SpriteSheet missile(towerSheet(1));
    ASSERT_GE(missile.animationCount, 5u);
    const BITMAP* left = missile.selectFrame(0, 0.0f);
    const BITMAP* right = missile.selectFrame(2, 0.0f);
    EXPECT_TRUE(differ(left, right)) << "the tube turns";
    // Facing right is facing left mirrored: the tube's pixels move across the middle.
    const int half = left->w / 2;
    EXPECT_GT(opaquePixels(left, 0, 0, half, left->h / 2),
              opaquePixels(left, half, 0, half, left->h / 2));
    EXPECT_GT(opaquePixels(right, half, 0, half, right->h / 2),
              opaquePixels(right, 0, 0, half, right->h / 2));
    for (unsigned launch : {3u, 4u}) {
        EXPECT_GE(distinctFrames(missile, launch), 2) << launch;
        EXPECT_LT(cycleSeconds(missile, launch), settings().getReal("Tower2FreqBase")) << launch;
    }

    const SpriteSheet tesla(towerSheet(2));
    EXPECT_GE(distinctFrames(tesla, 0), 3) << "the resting coil crackles";
}

TEST(TowerSheets, ShotsLeaveFromTheMachineItself) {
    // The laser's bolt starts 12 pixels above the ground in the middle of the
    // resting frame, behind the turret: the barrel must cover that column up
    // to its tip, or the bolt would appear from thin air.
    const SpriteSheet laser(towerSheet(0));
    const BITMAP* rest = laser.selectFrame(0, 0.0f);
    ASSERT_NE(rgb(rest, rest->w / 2, rest->h - 12), kMask);
    int barrelTop = rest->h - 12;
    while (barrelTop > 0 && rgb(rest, rest->w / 2, barrelTop - 1) != kMask)
        --barrelTop;
    EXPECT_LT(barrelTop, rest->h - 20) << "a tall barrel";

    // The missile leaves from one pixel right of the middle, 9 pixels up.
    const SpriteSheet missile(towerSheet(1));
    const BITMAP* launcher = missile.selectFrame(0, 0.0f);
    EXPECT_NE(rgb(launcher, launcher->w / 2 + 1, launcher->h - 9), kMask);

    // The coil's arcs start 8 pixels above the middle of its frame: on the ball.
    const SpriteSheet tesla(towerSheet(2));
    const BITMAP* coil = tesla.selectFrame(0, 0.0f);
    const int emitter = rgb(coil, coil->w / 2, coil->h / 2 - 8);
    EXPECT_TRUE(emitter == 0x29adff || emitter == 0xfff1e8) << std::hex << emitter;
}

// Every kind the shipped strings.txt brings. Those that march in the block
// stand 20 apart in a row and 16 between rows without touching; a boss comes
// alone and is larger than them all.
TEST(InvaderSheets, AreCreaturesThatFitWhereTheyMarch) {
    const SpriteSheet squibble(settings().get(invaderKey(0, "Sprite")));
    for (int kind = 0; kind < invaderKindCount(); ++kind) {
        const std::string file = settings().get(invaderKey(kind, "Sprite"));
        if (file.empty())
            continue;
        SCOPED_TRACE(file);
        const SpriteSheet sheet(file);
        ASSERT_GE(sheet.animationCount, invaderKinds()[kind].animations);
        const bool boss = invaderKinds()[kind].leadsBossWaves;
        for (unsigned a = 0; a < sheet.animationCount; ++a)
            for (int frame : sheet.animations[a].frameNumbers) {
                // Every frame the resting size, so the march never jumps.
                EXPECT_EQ(sheet.frames[frame]->w, sheet.selectFrame(0, 0.0f)->w) << a;
                EXPECT_EQ(sheet.frames[frame]->h, sheet.selectFrame(0, 0.0f)->h) << a;
            }
        const BITMAP* rest = sheet.selectFrame(0, 0.0f);
        if (boss) {
            EXPECT_GT(rest->w, 2 * squibble.selectFrame(0, 0.0f)->w);
        } else {
            EXPECT_LT(rest->w, 20);
            EXPECT_LT(rest->h, 16);
            EXPECT_GE(rest->w, 10);
        }
        EXPECT_GE(distinctFrames(sheet, 0), 2) << "the healthy loop moves";
        EXPECT_GE(distinctFrames(sheet, 2), 2) << "the damaged loop moves";
        for (unsigned hit : {1u, 3u}) {
            EXPECT_LE(cycleSeconds(sheet, hit), 0.5) << "a hit reaction is short: " << hit;
            EXPECT_TRUE(differ(sheet.selectFrame(hit, 0.0f), sheet.selectFrame(hit - 1, 0.0f)))
                << hit;
        }
        EXPECT_LT(light(sheet.selectFrame(2, 0.0f)), light(rest)) << "badly hurt looks darker";
        // The hit circle covers the body without reaching the next one in the row.
        const double size = settings().getReal(invaderKey(kind, "Size"));
        EXPECT_GE(2 * size, rest->h - 2);
        EXPECT_LT(size, boss ? rest->w / 2 + 1 : 10.0);
        // Each kind is told from the squibble at a glance.
        const BITMAP* squibbleRest = squibble.selectFrame(0, 0.0f);
        if (kind > 0 && rest->w == squibbleRest->w && rest->h == squibbleRest->h) {
            EXPECT_TRUE(differ(rest, squibbleRest));
        }
    }
}

TEST(MissileSheet, AnimationKPointsKTimes22AndAHalfDegreesFromRight) {
    const SpriteSheet sheet("data/missile.sz");
    ASSERT_EQ(sheet.animationCount, 16u);
    for (unsigned k = 0; k < 16; ++k) {
        const BITMAP* frame = sheet.selectFrame(k, 0.0f);
        // Measured from the flame at the tail to the middle of the frame.
        double sx = 0.0, sy = 0.0;
        int flame = 0;
        for (int y = 0; y < frame->h; ++y)
            for (int x = 0; x < frame->w; ++x)
                if (rgb(frame, x, y) == 0xffec27) {
                    sx += x;
                    sy += y;
                    ++flame;
                }
        ASSERT_GT(flame, 0) << k;
        const double dx = (frame->w - 1) / 2.0 - sx / flame;
        const double dy = sy / flame - (frame->h - 1) / 2.0;
        double error = std::atan2(dy, dx) - k * kPi / 8.0;
        error = std::remainder(error, 2.0 * kPi);
        EXPECT_LT(std::fabs(error), kPi / 16.0) << "animation " << k;
    }
}

TEST(EffectSheets, AreShortOneShotAnimationsThatChange) {
    std::vector<std::string> paths = {"data/poof.sz", "data/explosion_small.sz", "data/puff1.sz",
                                      "data/puff2.sz"};
    for (int kind = 0; kind < invaderKindCount(); ++kind)
        if (!settings().get(invaderKey(kind, "Poof")).empty())
            paths.push_back(settings().get(invaderKey(kind, "Poof")));
    for (const std::string& path : paths) {
        const SpriteSheet sheet(path);
        ASSERT_GE(sheet.animationCount, 1u) << path;
        EXPECT_GE(distinctFrames(sheet, 0), 3) << path;
        EXPECT_LE(cycleSeconds(sheet, 0), 0.6) << path;
        // Drawn centred on their point: every frame the same size.
        for (int frame : sheet.animations[0].frameNumbers)
            EXPECT_EQ(sheet.frames[frame]->w, sheet.selectFrame(0, 0.0f)->w) << path;
    }
}
