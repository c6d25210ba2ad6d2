#include "game/SavedGame.h"

#include "app/CLocale.h"
#include "app/Engine.h"
#include "app/Records.h"
#include "defences/Building.h"
#include "defences/LaserProjectile.h"
#include "game/GameSession.h"
#include "game/TowerType.h"
#include "gfx/SpritePlayer.h"
#include "gfx/SpriteSheet.h"
#include "invaders/InvaderKind.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>

namespace {

const std::string kHeader = "groundline save 1\n";
const std::string kEnd = "end\n";

// Past these a save is damage: more waves than years of play, more money or
// health than an int holds is no concern, but more lines than the ground and
// the sky can hold are.
constexpr int kMostWaves = 1000000;
constexpr std::size_t kMostLines = 4096;

std::string formatted(const char* format, ...) {
    char text[64];
    va_list arguments;
    va_start(arguments, format);
    cLocale::format(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

// Seventeen digits bring back every double and nine every float exactly.
std::string real(double value) {
    return formatted("%.17g", value);
}

std::string single(float value) {
    return formatted("%.9g", static_cast<double>(value));
}

std::string hex(uint32_t word) {
    return formatted("%08x", static_cast<unsigned>(word));
}

// The words of one line, split at single spaces.
std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (true) {
        const std::size_t space = text.find(' ', start);
        words.push_back(text.substr(start, space - start));
        if (space == std::string::npos)
            return words;
        start = space + 1;
    }
}

// Reading leans on the writer: each word is taken as loosely as the C
// library takes it, and the file as a whole is then written again and must
// come out byte for byte the same. Anything the writer would not have
// written, a "+7", a "07", "1e3" or a trailing space, fails there.
std::optional<long long> whole(const std::string& word) {
    if (word.empty() || word.size() > 12)
        return std::nullopt;
    std::size_t i = word[0] == '-' ? 1 : 0;
    if (i == word.size())
        return std::nullopt;
    long long value = 0;
    for (; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9')
            return std::nullopt;
        value = value * 10 + (word[i] - '0');
    }
    return word[0] == '-' ? -value : value;
}

std::optional<int> bounded(const std::string& word, long long least, long long most) {
    const std::optional<long long> value = whole(word);
    if (!value || *value < least || *value > most)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<double> finite(const std::string& word) {
    if (word.empty() || word.size() > 32)
        return std::nullopt;
    const double value = cLocale::toReal(word);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<uint32_t> word32(const std::string& word) {
    if (word.size() != 8)
        return std::nullopt;
    uint32_t value = 0;
    for (const char c : word) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

// The lines of the file, each without its newline; none when the last is cut short.
std::optional<std::vector<std::string>> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos || lines.size() == kMostLines)
            return std::nullopt;
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The words after "key=" on the line; none when the line is not of that key.
std::optional<std::vector<std::string>> field(const std::string& line, const std::string& key) {
    const std::string prefix = key + "=";
    if (line.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    return wordsOf(line.substr(prefix.size()));
}

std::optional<std::vector<int>> counts(const std::vector<std::string>& words) {
    std::vector<int> values;
    for (const std::string& word : words) {
        const std::optional<int> value = bounded(word, 0, std::numeric_limits<int>::max());
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::string joined(const std::vector<int>& values) {
    std::string text;
    for (const int value : values)
        text += (text.empty() ? "" : " ") + std::to_string(value);
    return text;
}

std::optional<Cloud> cloudOf(const std::vector<std::string>& words) {
    if (words.size() != 4)
        return std::nullopt;
    const std::optional<double> x = finite(words[0]);
    const std::optional<double> y = finite(words[1]);
    const std::optional<double> speed = finite(words[2]);
    const std::optional<int> image = bounded(words[3], 0, 4);
    if (!x || !y || !speed || !image)
        return std::nullopt;
    return Cloud{*x, *y, *speed, *image};
}

std::optional<SavedGame::Tower> towerOf(const std::vector<std::string>& words) {
    if (words.size() < 7)
        return std::nullopt;
    SavedGame::Tower tower;
    const std::optional<int> type = bounded(words[0], 0, 1000);
    const std::optional<int> x = bounded(words[1], -100000, 100000);
    const std::optional<int> level = bounded(words[2], 0, 1000);
    const std::optional<int> paid = bounded(words[3], 0, std::numeric_limits<int>::max());
    const std::optional<double> timer = finite(words[4]);
    const std::optional<int> animation = bounded(words[5], 0, 1000);
    const std::optional<double> time = finite(words[6]);
    if (!type || !x || !level || !paid || !timer || !animation || !time)
        return std::nullopt;
    tower = {
        *type, *x, *level, *paid, static_cast<float>(*timer), *animation, static_cast<float>(*time),
        {}};
    for (std::size_t i = 7; i < words.size(); ++i) {
        const std::optional<int> queued = bounded(words[i], 0, 1000);
        if (!queued)
            return std::nullopt;
        tower.queued.push_back(*queued);
    }
    return tower;
}

std::optional<SavedGame::Bolt> boltOf(const std::vector<std::string>& words) {
    if (words.size() != 3)
        return std::nullopt;
    const std::optional<double> x = finite(words[0]);
    const std::optional<double> y = finite(words[1]);
    const std::optional<int> damage = bounded(words[2], -1000000000, 1000000000);
    if (!x || !y || !damage)
        return std::nullopt;
    return SavedGame::Bolt{*x, *y, *damage};
}

// The save's lines taken in the writer's order; none at the first that
// is not what the writer writes there.
std::optional<SavedGame> parse(const std::vector<std::string>& lines) {
    if (lines.size() < 11)
        return std::nullopt;
    SavedGame saved;
    std::size_t at = 0;
    const auto next = [&](const char* key) { return field(lines[at++], key); };

    const auto settings = next("settings");
    if (!settings || settings->size() != 1)
        return std::nullopt;
    saved.settings = (*settings)[0];
    const auto difficulty = next("difficulty");
    if (!difficulty || difficulty->size() != 1 || !difficultyNamed((*difficulty)[0]))
        return std::nullopt;
    saved.difficulty = *difficultyNamed((*difficulty)[0]);

    const auto wave = next("wave");
    const auto money = next("money");
    const auto health = next("health");
    if (!wave || !money || !health || wave->size() != 1 || money->size() != 1 ||
        health->size() != 1)
        return std::nullopt;
    const std::optional<int> waveNumber = bounded((*wave)[0], 1, kMostWaves);
    const std::optional<int> moneyHeld =
        bounded((*money)[0], std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    const std::optional<int> healthLeft = bounded((*health)[0], 1, std::numeric_limits<int>::max());
    if (!waveNumber || !moneyHeld || !healthLeft)
        return std::nullopt;
    saved.wave = *waveNumber;
    saved.money = *moneyHeld;
    saved.health = *healthLeft;

    const auto countdown = next("countdown");
    if (!countdown || countdown->size() != 1 || !finite((*countdown)[0]) ||
        *finite((*countdown)[0]) < 0.0)
        return std::nullopt;
    saved.countdown = *finite((*countdown)[0]);

    const auto random = next("random");
    if (!random || random->size() != saved.random.words.size() + 1)
        return std::nullopt;
    for (std::size_t i = 0; i < saved.random.words.size(); ++i) {
        const std::optional<uint32_t> word = word32((*random)[i]);
        if (!word)
            return std::nullopt;
        saved.random.words[i] = *word;
    }
    const std::optional<int> front =
        bounded(random->back(), 0, static_cast<int>(saved.random.words.size()) - 1);
    if (!front)
        return std::nullopt;
    saved.random.front = *front;

    const auto kills = next("kills");
    const auto escapes = next("escapes");
    if (!kills || !escapes)
        return std::nullopt;
    const auto killCounts = counts(*kills);
    const auto escapeCounts = counts(*escapes);
    if (!killCounts || !escapeCounts)
        return std::nullopt;
    saved.kills = *killCounts;
    saved.escapes = *escapeCounts;

    for (; at < lines.size(); ++at) {
        const auto words = field(lines[at], "cloud");
        if (!words)
            break;
        const std::optional<Cloud> cloud = cloudOf(*words);
        if (!cloud)
            return std::nullopt;
        saved.clouds.push_back(*cloud);
    }
    for (; at < lines.size(); ++at) {
        const auto words = field(lines[at], "tower");
        if (!words)
            break;
        const std::optional<SavedGame::Tower> tower = towerOf(*words);
        if (!tower)
            return std::nullopt;
        saved.towers.push_back(*tower);
    }
    for (; at < lines.size(); ++at) {
        const auto words = field(lines[at], "bolt");
        if (!words)
            break;
        const std::optional<SavedGame::Bolt> bolt = boltOf(*words);
        if (!bolt)
            return std::nullopt;
        saved.bolts.push_back(*bolt);
    }
    if (at + 1 != lines.size() || lines[at] != "end")
        return std::nullopt;
    return saved;
}

} // namespace

bool SavedGame::Tower::operator==(const Tower& other) const {
    return type == other.type && x == other.x && level == other.level && paid == other.paid &&
           timer == other.timer && animation == other.animation &&
           animationTime == other.animationTime && queued == other.queued;
}

bool SavedGame::Bolt::operator==(const Bolt& other) const {
    return x == other.x && y == other.y && damage == other.damage;
}

bool SavedGame::operator==(const SavedGame& other) const {
    if (clouds.size() != other.clouds.size())
        return false;
    for (std::size_t i = 0; i < clouds.size(); ++i) {
        const Cloud& a = clouds[i];
        const Cloud& b = other.clouds[i];
        if (a.x != b.x || a.y != b.y || a.speed != b.speed || a.image != b.image)
            return false;
    }
    return settings == other.settings && difficulty == other.difficulty && wave == other.wave &&
           money == other.money && health == other.health && countdown == other.countdown &&
           random == other.random && kills == other.kills && escapes == other.escapes &&
           towers == other.towers && bolts == other.bolts;
}

SavedGame saveOf(const GameSession& game, const std::string& settings, Difficulty difficulty) {
    SavedGame saved;
    saved.settings = settings;
    saved.difficulty = difficulty;
    saved.wave = game.waveNumber;
    saved.money = game.money;
    saved.health = game.health;
    saved.countdown = std::max(game.waveTimer, 0.0);
    saved.random = Random::state();
    saved.kills = game.kills;
    saved.escapes = game.escapes;
    saved.clouds = game.clouds;
    const Engine& engine = *game.engine;
    for (const Building* building : game.buildings) {
        SavedGame::Tower tower;
        tower.type = building->type;
        tower.x = building->x;
        tower.level = building->level;
        tower.paid = engine.towerDefs[building->type].paidFor(building->level);
        tower.timer = building->timer;
        if (building->player) {
            tower.animation = building->player->animation;
            tower.animationTime = building->player->time;
            tower.queued.assign(building->player->queue.begin(), building->player->queue.end());
        }
        saved.towers.push_back(tower);
    }
    // Between waves a missile has nothing to chase and is gone at once; a
    // bolt rises on, and may meet the next wave.
    for (const Projectile* projectile : game.projectiles)
        if (const auto* bolt = dynamic_cast<const LaserProjectile*>(projectile);
            bolt && bolt->alive)
            saved.bolts.push_back({bolt->x, bolt->y, bolt->damage});
    return saved;
}

std::string writeSavedGame(const SavedGame& saved) {
    std::string text = kHeader;
    text += "settings=" + saved.settings + "\n";
    text += std::string("difficulty=") + levelOf(saved.difficulty).name + "\n";
    text += "wave=" + std::to_string(saved.wave) + "\n";
    text += "money=" + std::to_string(saved.money) + "\n";
    text += "health=" + std::to_string(saved.health) + "\n";
    text += "countdown=" + real(saved.countdown) + "\n";
    text += "random=";
    for (const uint32_t word : saved.random.words)
        text += hex(word) + " ";
    text += std::to_string(saved.random.front) + "\n";
    text += "kills=" + joined(saved.kills) + "\n";
    text += "escapes=" + joined(saved.escapes) + "\n";
    for (const Cloud& cloud : saved.clouds)
        text += "cloud=" + real(cloud.x) + " " + real(cloud.y) + " " + real(cloud.speed) + " " +
                std::to_string(cloud.image) + "\n";
    for (const SavedGame::Tower& tower : saved.towers) {
        text += "tower=" + std::to_string(tower.type) + " " + std::to_string(tower.x) + " " +
                std::to_string(tower.level) + " " + std::to_string(tower.paid) + " " +
                single(tower.timer) + " " + std::to_string(tower.animation) + " " +
                single(tower.animationTime);
        for (const int queued : tower.queued)
            text += " " + std::to_string(queued);
        text += "\n";
    }
    for (const SavedGame::Bolt& bolt : saved.bolts)
        text +=
            "bolt=" + real(bolt.x) + " " + real(bolt.y) + " " + std::to_string(bolt.damage) + "\n";
    return text + kEnd;
}

std::optional<SavedGame> readSavedGame(const std::string& bytes) {
    if (bytes.compare(0, kHeader.size(), kHeader) != 0)
        return std::nullopt;
    const auto lines = linesOf(bytes.substr(kHeader.size()));
    if (!lines)
        return std::nullopt;
    std::optional<SavedGame> saved = parse(*lines);
    if (!saved || writeSavedGame(*saved) != bytes)
        return std::nullopt;
    return saved;
}

std::string restoreSavedGame(GameSession& game, const SavedGame& saved) {
    const Engine& engine = *game.engine;
    if (saved.kills.size() != game.kills.size() || saved.escapes.size() != game.escapes.size())
        return "it counts " + std::to_string(saved.kills.size()) + " kinds of invader, not " +
               std::to_string(game.kills.size());
    if (saved.health > engine.settings.getInt("StartingHealth"))
        return "its health is more than the game starts with";
    for (const SavedGame::Tower& tower : saved.towers) {
        if (tower.type >= towerTypeCount() || !engine.towerDefs[tower.type].available)
            return "it names tower type " + std::to_string(tower.type) + ", which this data lacks";
        const TowerDef& def = engine.towerDefs[tower.type];
        if (tower.level > def.upgrades || tower.paid != def.paidFor(tower.level))
            return "its tower at " + std::to_string(tower.x) +
                   " has a level or price this data lacks";
        const int centre = tower.x + restingFrameWidth(def.sprite) / 2;
        if (centre < 0 || centre >= layout::kCanvasWidth || !game.fits(tower.type, centre))
            return "its tower at " + std::to_string(tower.x) + " stands where none can";
        if (def.sprite && (tower.animation >= static_cast<int>(def.sprite->animationCount)))
            return "its tower at " + std::to_string(tower.x) +
                   " plays an animation its sheet lacks";
        for (const int queued : tower.queued)
            if (def.sprite && queued >= static_cast<int>(def.sprite->animationCount))
                return "its tower at " + std::to_string(tower.x) +
                       " plays an animation its sheet lacks";

        Building* building = makeBuilding(tower.type);
        building->game = &game;
        building->setPosition(tower.x);
        for (int level = 0; level < tower.level; ++level)
            building->upgrade();
        building->timer = tower.timer;
        if (building->player) {
            building->player->animation = tower.animation;
            building->player->time = tower.animationTime;
            building->player->queue.assign(tower.queued.begin(), tower.queued.end());
        }
        game.buildings.push_back(building);
    }
    for (const SavedGame::Bolt& saved : saved.bolts) {
        auto* bolt = new LaserProjectile(0, 0, saved.damage);
        bolt->x = saved.x;
        bolt->y = saved.y;
        game.projectiles.push_back(bolt);
    }
    game.waveNumber = saved.wave;
    game.money = saved.money;
    game.health = saved.health;
    game.waveTimer = saved.countdown;
    game.kills = saved.kills;
    game.escapes = saved.escapes;
    game.clouds = saved.clouds;
    Random::restore(saved.random);
    return "";
}

std::optional<SavedGame> keptSave(Engine& engine) {
    const std::optional<std::string> bytes = engine.records->readSave();
    if (!bytes)
        return std::nullopt;
    std::optional<SavedGame> saved = readSavedGame(*bytes);
    std::string why = "it is not a saved game of this version";
    if (saved && saved->settings != engine.records->settingsHash())
        why = "it was saved with other settings";
    else if (saved && saved->difficulty != engine.difficulty)
        why = "it was saved at another difficulty";
    else if (saved) {
        // Tried on a game of its own, which the random sequence must not notice.
        const Random::State before = Random::state();
        GameSession trial;
        why = restoreSavedGame(trial, *saved);
        Random::restore(before);
    }
    if (saved && why.empty())
        return saved;
    const std::string keptAs = engine.records->setSaveAside();
    std::fprintf(stderr, "groundline: the saved game is set aside%s%s, and a new one begins: %s\n",
                 keptAs.empty() ? "" : " as ", keptAs.c_str(), why.c_str());
    return std::nullopt;
}
