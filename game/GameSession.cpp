#include "game/GameSession.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "app/Saturating.h"
#include "defences/Building.h"
#include "defences/InvaderCentre.h"
#include "defences/Projectile.h"
#include "effects/BannerEffect.h"
#include "effects/BounceTextEffect.h"
#include "effects/Effect.h"
#include "game/Layout.h"
#include "game/TowerType.h"
#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"
#include "invaders/BossWave.h"
#include "invaders/Invader.h"
#include "invaders/InvaderKind.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// The most game time one frame may pass: far beyond any real frame, short of
// what would throw positions past what a pixel coordinate can hold.
constexpr double kLongestFrame = 60.0;

// The wave announcement stands here, centred.
constexpr int kAnnouncementX = layout::kCanvasWidth / 2;
constexpr int kAnnouncementY = 80;

// Wave n brings 2n + 14 invaders.
int invadersInWave(int waveNumber) {
    return 2 * waveNumber + 14;
}

// Deletes every entry for which `spent` holds, keeping the order of the rest.
template <typename T, typename Predicate> void removeIf(std::list<T*>& list, Predicate spent) {
    for (auto it = list.begin(); it != list.end();) {
        if (spent(*it)) {
            delete *it;
            it = list.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace

GameSession::GameSession()
    : engine(&Engine::instance()), kills(invaderKindCount()), escapes(invaderKindCount()) {}

GameSession::~GameSession() {
    for (Building* building : buildings)
        delete building;
    for (Projectile* projectile : projectiles)
        delete projectile;
    for (Effect* effect : effects)
        delete effect;
    delete wave;
}

int GameSession::bestWaves() const {
    return std::max(bestBefore, wavesDefeated());
}

void GameSession::start() {
    health = maxHealth = engine->settings.getInt("StartingHealth");
    money = engine->settings.getInt("StartingMoney");
    clouds = makeClouds();
    waveNumber = 1;
    wave = nullptr;
    std::fill(kills.begin(), kills.end(), 0);
    std::fill(escapes.begin(), escapes.end(), 0);
    waveTimer = engine->settings.getTime("TimeBetweenWaves");
    ++countdownsBegun;
    bestBefore = engine->records->bestWaves();
}

void GameSession::update(double dt) {
    advance(dt);
    endIfLost();
}

void GameSession::advance(double dt) {
    // A clock that stalls, jumps back or breaks passes no time at all.
    if (!(dt >= 0.0))
        dt = 0.0;
    dt = std::min(dt, kLongestFrame);

    if (!gameOver)
        updateWaveSchedule(dt);
    driftClouds(clouds, dt);
    if (!gameOver) {
        for (Building* building : buildings)
            building->update(dt);
    }
    for (Projectile* projectile : projectiles)
        projectile->update(dt);
    for (Effect* effect : effects)
        effect->update(dt);
    if (wave) {
        collide();
        wave->update(dt);
    }
    // No time passes here: each projectile only reacts to what the collisions
    // and the wave just changed, such as a missile whose target has died.
    for (Projectile* projectile : projectiles)
        projectile->update(0.0);
    removeSpentProjectiles();
    removeExpiredEffects();
}

void GameSession::endIfLost() {
    if (health < 1 && !gameOver) {
        health = 0;
        endGame();
    }
}

void GameSession::updateWaveSchedule(double dt) {
    const double left = waveTimer;
    if (left >= 0 && dt >= left) {
        startWave();
        waveTimer = -1.0;
    } else {
        waveTimer = left - dt;
    }

    if (wave && wave->invaders.empty()) {
        waveTimer = engine->settings.getTime("TimeBetweenWaves");
        delete wave;
        ++waveNumber;
        wave = nullptr;
        ++countdownsBegun;
    }
}

void GameSession::startWave() {
    const int boss = bossOf(waveNumber);
    if (boss >= 0)
        wave = new BossWave(boss, this);
    else
        wave = new SquibbleWave(invadersInWave(waveNumber), this);

    char title[32];
    std::snprintf(title, sizeof title, "Wave %d", waveNumber);
    effects.push_back(
        new BounceTextEffect(kAnnouncementX, kAnnouncementY, engine->fontMain, title));
    engine->sound->play(SoundEffect::WaveAnnounced, kAnnouncementX);
    if (boss < 0)
        return;
    effects.push_back(new BannerEffect(layout::kBossBannerY, engine->fontMainRed,
                                       engine->invaderDefs[boss].name.c_str()));
    engine->sound->play(SoundEffect::BossArrived, kAnnouncementX);
}

int GameSession::bossOf(int n) const {
    const int every = engine->settings.getInt("BossWaveEvery");
    if (every < 1 || n % every != 0)
        return -1;
    for (int kind = 0; kind < invaderKindCount(); ++kind)
        if (invaderKinds()[kind].leadsBossWaves && engine->invaderDefs[kind].present)
            return kind;
    return -1;
}

void GameSession::countKill(int kind) {
    if (kind >= 0 && kind < static_cast<int>(kills.size()))
        ++kills[kind];
}

void GameSession::countEscape(int kind) {
    if (kind >= 0 && kind < static_cast<int>(escapes.size()))
        ++escapes[kind];
}

void GameSession::collide() {
    // Each frame is looked up once per pass rather than once per pair; a hit
    // can change the frame and the health of every invader its blast reaches,
    // so the circles are measured again after one.
    measureHitCircles();
    for (Projectile* projectile : projectiles) {
        double x = projectile->x;
        double y = projectile->y;
        for (size_t i = 0; i < hitCircles.size() && projectile->alive; ++i) {
            const HitCircle& circle = hitCircles[i];
            const double dx = circle.x - x;
            const double dy = circle.y - y;
            if (circle.radiusSquared > dx * dx + dy * dy) {
                projectile->hit(circle.invader);
                measureHitCircles();
                x = projectile->x;
                y = projectile->y;
            }
        }
    }
}

void GameSession::measureHitCircles() {
    hitCircles.clear();
    for (Invader* invader : wave->invaders) {
        const double radiusSquared = invader->health > 0 ? invader->size * invader->size
                                                         : -std::numeric_limits<double>::infinity();
        hitCircles.push_back(
            {invaderCentreX(*invader), invaderCentreY(*invader), radiusSquared, invader});
    }
}

void GameSession::removeSpentProjectiles() {
    removeIf(projectiles, [](const Projectile* projectile) { return !projectile->alive; });
}

void GameSession::removeExpiredEffects() {
    // Kept only while lifetime > age, so an effect whose numbers are not
    // numbers goes at once instead of staying for ever.
    removeIf(effects, [](const Effect* effect) { return !(effect->lifetime > effect->age); });
}

bool GameSession::canBuy(int type) const {
    const TowerDef& def = engine->towerDefs[type];
    return def.available && def.value <= money;
}

bool GameSession::fits(int type, int x) const {
    const int width = engine->towerDefs[type].width;
    const int left = x - width / 2;
    const int right = left + width;
    for (const Building* building : buildings) {
        const TowerDef& def = engine->towerDefs[building->type];
        const int buildingLeft = building->x + (restingFrameWidth(def.sprite) - def.width) / 2;
        const int buildingRight = buildingLeft + def.width;
        // Closed intervals: footprints that only touch do not fit.
        if (buildingLeft <= left && left <= buildingRight)
            return false;
        if (buildingLeft <= right && right <= buildingRight)
            return false;
        if (left < buildingLeft && right > buildingRight)
            return false;
    }
    return true;
}

Building* GameSession::build(int type, int x) {
    Building* building = makeBuilding(type);
    if (!building)
        return nullptr;
    const TowerDef& def = engine->towerDefs[type];
    building->game = this;
    building->setPosition(x - restingFrameWidth(def.sprite) / 2);
    buildings.push_back(building);
    engine->sound->play(SoundEffect::TowerPlaced, x);
    money = saturatingSubtract(money, def.value);
    return building;
}

void GameSession::demolish(Building* building) {
    building->sell();
    engine->sound->play(SoundEffect::TowerSold, static_cast<int>(building->centreX()));
    buildings.remove(building);
    delete building;
}

bool GameSession::canUpgrade(const Building* building) const {
    const TowerDef& def = engine->towerDefs[building->type];
    return building->level < def.upgrades && def.levelCost(building->level + 1) <= money;
}

void GameSession::upgrade(Building* building) {
    if (!canUpgrade(building))
        return;
    const TowerDef& def = engine->towerDefs[building->type];
    money = saturatingSubtract(money, def.levelCost(building->level + 1));
    building->upgrade();
    engine->sound->play(SoundEffect::Click, static_cast<int>(building->centreX()));
}

void GameSession::endGame() {
    gameOver = true;
    engine->sound->play(SoundEffect::GameOver, layout::kCanvasWidth / 2);
    engine->records->keep(wavesDefeated());
}
