#include "defences/Building.h"

#include "app/Engine.h"
#include "app/Saturating.h"
#include "effects/TextEffect.h"
#include "game/GameSession.h"
#include "game/TowerType.h"
#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>

Building::Building() : sheet(nullptr), player(nullptr), type(0), x(0) {}

Building::Building(int type) : Building() {
    const Engine& engine = Engine::instance();
    this->type = type;
    sheet = engine.towerDefs[type].sprite;
    period = static_cast<float>(engine.settings.getTime(key("FreqBase")));
    damage = engine.settings.getDamage(key("DamageBase"));
}

std::string Building::key(const char* name) const {
    return "Tower" + std::to_string(towerTypes()[type].settingsNumber) + name;
}

Building::~Building() {
    delete player;
}

void Building::draw(BITMAP* bitmap) {
    if (!player)
        return;
    const int baseline = Engine::instance().towerBaseline;
    player->draw(bitmap, x, baseline - player->frameHeight());
}

void Building::setPosition(int newX) {
    if (sheet) {
        delete player;
        player = new SpritePlayer(sheet);
    }
    x = newX;
}

double Building::centreX() const {
    return x + player->frameWidth() / 2;
}

double Building::centreY() const {
    return Engine::instance().towerBaseline - player->frameHeight() / 2;
}

int Building::sellPrice() const {
    // The price is not remembered per building: the type's current price and
    // upgrade costs count.
    return Engine::instance().towerDefs[type].paidFor(level) / 2;
}

void Building::sell() {
    Engine& engine = Engine::instance();
    const int cx = x + player->frameWidth() / 2;
    const int amount = sellPrice();
    game->money = saturatingAdd(game->money, amount);

    char text[16];
    std::snprintf(text, sizeof text, "+%d", amount);
    const int cy = engine.towerBaseline - player->frameHeight() / 2;
    game->effects.push_back(new TextEffect(cx, cy, engine.fontSmall, text));
}

void Building::upgrade() {
    const TowerDef& def = Engine::instance().towerDefs[type];
    ++level;
    damage = grownDamage(damage, def.upgradeDamage);
    period = static_cast<float>(period / (1.0 + def.upgradeSpeedup));
}

int Building::grownDamage(int damage, int gain) {
    return std::clamp(saturatingAdd(damage, gain), -Settings::kMostDamage, Settings::kMostDamage);
}

void Building::runFiringClock(double dt) {
    if (!player)
        return;
    player->advance(static_cast<float>(dt));

    timer = static_cast<float>(timer + dt);
    // A period that is not a positive number would never use up the timer;
    // such a tower does not fire at all.
    if (!(period > 0.0f))
        return;
    while (timer > period) {
        const float left = static_cast<float>(timer - period);
        // A period far below the timer's precision would leave it unchanged
        // and spin for ever; drop the rest of the timer instead.
        if (!(left < timer)) {
            timer = 0.0f;
            return;
        }
        timer = left;
        fire();
    }
}

int Building::restingFrameWidth() const {
    return ::restingFrameWidth(sheet);
}
