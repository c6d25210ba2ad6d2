#include "DefencesFixture.h"

#include "game/TowerType.h"

#include "effects/SimpleEffect.h"
#include "gfx/BitmapFont.h"
#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"
#include "invaders/Wave.h"
#include "support/Headless.h"
#include "support/PackedBytes.h"

#include <allegro.h>

#include <string>
#include <utility>

TestInvader::TestInvader(double cx, double cy, int startHealth, double radius) {
    player = new SpritePlayer(DefenceArt::get().invader);
    x = cx - player->frameWidth() / 2;
    y = cy - player->frameHeight() / 2;
    health = maxHealth = startHealth;
    size = radius;
}

void TestInvader::update(double dt) {
    player->advance(static_cast<float>(dt));
}

void TestInvader::damage(int amount) {
    damageTaken.push_back(amount);
    if (health > 0)
        health -= amount;
    if (flinches)
        player->playThen(1, 0);
}

namespace {

// A sheet of one colour whose animations each show the given frame sizes.
SpriteSheet* makeSheet(const std::string& folder, const std::string& name, Rgb colour,
                       const std::vector<std::vector<SheetFrame>>& animationFrames) {
    std::vector<SheetFrame> frames;
    std::vector<SheetAnimation> animations;
    for (const std::vector<SheetFrame>& shown : animationFrames) {
        SheetAnimation animation{10.0f, {}};
        for (const SheetFrame& frame : shown) {
            animation.frames.push_back(static_cast<unsigned>(frames.size()));
            frames.push_back(frame);
        }
        animations.push_back(animation);
    }
    const std::string path = folder + "/" + name;
    writeGzipFile(path, sheetBytes(solidImageBytes(32, 32, colour), frames, animations));
    return new SpriteSheet(path);
}

std::vector<std::vector<SheetFrame>> repeated(int animations, SheetFrame frame, int frames) {
    return std::vector<std::vector<SheetFrame>>(animations, std::vector<SheetFrame>(frames, frame));
}

// Glyphs for the codes 32 to 63, each from 1 to 3 pixels wide, inked in a
// pattern that differs from code to code, boxed by blue borders.
BitmapFont* makeFont(const std::string& folder) {
    const int first = 32, last = 63, height = 5;
    int width = 1;
    for (int code = first; code <= last; ++code)
        width += 1 + code % 3 + 1;
    BITMAP* image = create_bitmap(width, height + 2);
    clear_to_color(image, makecol(0, 0, 255));
    int left = 1;
    for (int code = first; code <= last; ++code) {
        const int glyphWidth = 1 + code % 3;
        for (int gx = 0; gx < glyphWidth; ++gx) {
            for (int gy = 0; gy < height; ++gy) {
                const bool ink = (code * 7 + gx * 3 + gy) % 4 == 0;
                putpixel(image, left + gx, 1 + gy,
                         ink ? makecol(255, 255, 255) : makecol(255, 0, 255));
            }
        }
        left += glyphWidth + 1;
    }
    const std::string path = folder + "/font.bmp";
    save_bitmap(path.c_str(), image, nullptr);
    destroy_bitmap(image);
    return new BitmapFont(path);
}

DefenceArt makeArt() {
    const std::string folder = makeTempFolder();
    DefenceArt art{};
    const SheetFrame resting{0, 0, 16, 20};
    art.towers[0] = makeSheet(folder, "laser.sz", {200, 40, 40},
                              {{resting}, {resting}, {{0, 0, 20, 24}, {0, 0, 20, 24}}});
    art.towers[1] =
        makeSheet(folder, "missile_turret.sz", {40, 200, 40}, repeated(5, {0, 0, 20, 16}, 2));
    art.towers[2] = makeSheet(folder, "tesla.sz", {40, 40, 200},
                              {{{0, 0, 24, 20}, {0, 0, 28, 24}}, {{0, 0, 24, 20}}});
    art.missile = makeSheet(folder, "missile.sz", {250, 250, 0}, repeated(16, {0, 0, 8, 8}, 1));
    art.puff = makeSheet(folder, "puff.sz", {150, 150, 150}, repeated(1, {0, 0, 6, 6}, 3));
    art.poof = makeSheet(folder, "poof.sz", {220, 220, 220}, repeated(1, {0, 0, 10, 10}, 3));
    art.explosion =
        makeSheet(folder, "explosion.sz", {255, 128, 0}, repeated(1, {0, 0, 12, 12}, 3));
    auto invaderFrames = repeated(4, {0, 0, 14, 12}, 2);
    invaderFrames[1] = {{0, 0, 18, 16}, {0, 0, 18, 16}};
    art.invader = makeSheet(folder, "invader.sz", {90, 90, 30}, invaderFrames);
    art.bolt = create_bitmap(3, 10);
    clear_to_color(art.bolt, makecol(255, 0, 0));
    art.font = makeFont(folder);
    return art;
}

} // namespace

const DefenceArt& DefenceArt::get() {
    static const DefenceArt art = makeArt();
    return art;
}

void DefencesTest::SetUp() {
    engine.towerBaseline = kBaseline;
    // Towers past the three drawn here borrow the laser's sheet and price.
    engine.towerDefs.assign(towerTypeCount(), TowerDef());
    for (int type = 0; type < towerTypeCount(); ++type) {
        const int drawn = type < 3 ? type : 0;
        engine.towerDefs[type].value = kTowerValues[drawn];
        engine.towerDefs[type].width = 16;
        engine.towerDefs[type].sprite = art.towers[drawn];
    }
    engine.laserSmall = art.bolt;
    engine.missileSheet = art.missile;
    engine.puff2Sheet = art.puff;
    engine.poofSheet = art.poof;
    engine.explosionSmallSheet = art.explosion;
    engine.fontSmall = art.font;

    Settings& settings = engine.settings;
    settings.set("Tower1FreqBase", "0.5");
    settings.set("Tower1DamageBase", "5");
    settings.set("LaserSpeedBase", "200");
    settings.set("Tower2FreqBase", "1.5");
    settings.set("Tower2DamageBase", "10");
    settings.set("Tower2DamageSplashBase", "5");
    settings.set("Tower2SplashRadius", "20");
    settings.set("MissileSpeedBase", "100");
    settings.set("MissileSteeringMax", "0.5");
    settings.set("MissileSteeringResponse", "0.4");
    settings.set("MissileLife", "3");
    settings.set("Tower3FreqBase", "0.25");
    settings.set("Tower3DamageBase", "7");
    settings.set("Tower3RangeBase", "40");
    // Waves come only when a test makes one.
    settings.set("TimeBetweenWaves", "1e9");

    session = new GameSession;
    session->waveTimer = -1.0;
    session->health = session->maxHealth = 10;
}

void DefencesTest::TearDown() {
    delete session;
}

namespace {
class KeepingWave : public Wave {
  public:
    void update(double) override {}
};
} // namespace

Wave* DefencesTest::startWave() {
    session->wave = new KeepingWave;
    session->wave->game = session;
    return session->wave;
}

Wave* DefencesTest::startDeletingWave() {
    session->wave = new Wave;
    session->wave->game = session;
    return session->wave;
}

TestInvader* DefencesTest::addInvader(double cx, double cy, int health, double size) {
    auto* invader = new TestInvader(cx, cy, health, size);
    invader->wave = session->wave;
    session->wave->invaders.push_back(invader);
    return invader;
}

std::vector<SimpleEffect*> DefencesTest::effectsOn(const SpriteSheet* sheet) const {
    std::vector<SimpleEffect*> found;
    for (SimpleEffect* effect : effectsOfKind<SimpleEffect>()) {
        if (effect->player->sheet == sheet)
            found.push_back(effect);
    }
    return found;
}
