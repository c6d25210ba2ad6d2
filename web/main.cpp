// The game in a browser: the page's script hands over the pointer, the
// buttons and the keys, and the browser calls for a frame once per animation
// frame; each frame is played by the same GameLoop as the native game's and
// shown on the page's canvas. The page's address may hold ?mute, ?volume=N,
// ?play and ?continue, which the page hands over as the command line's
// --mute, --volume N, --play and --continue.

#include "app/CommandLine.h"
#include "app/Engine.h"
#include "app/GameLoop.h"
#include "defences/Building.h"
#include "game/GameSession.h"
#include "game/Layout.h"
#include "game/PlayfieldScreen.h"
#include "game/TowerDef.h"
#include "game/TowerType.h"
#include "web/WebPlatform.h"
#include "web/WebSound.h"
#include "web/WebStorage.h"

#include <allegro.h>
#include <emscripten.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

// The data packed into the page, at the same place as the native game's.
constexpr const char* kDataFolder = "data";

// How much earlier than the frame period an animation frame may come and
// still be played: the browser's timer wavers by a fraction of a
// millisecond, and on a screen of 120 Hz or more the frames between are let
// pass rather than waited through.
constexpr double kEarlyFrame = 0.002;

// An opaque alpha byte over Allegro's 32-bit pixels, which it keeps as red,
// green, blue and an unused byte: the canvas's RGBA.
constexpr std::uint32_t kOpaque = 0xff000000u;

WebPlatform platform;
GameLoop* loop = nullptr;
WebSound* sound = nullptr;
std::vector<std::uint32_t> picture;
int framesPlayed = 0;

// The frame on the page: the canvas with every pixel made opaque, handed to
// the page's script to put on its canvas. A frame like the last is not
// handed over: most frames of a quiet screen are, and putting a frame on the
// page costs half as much script again as playing it.
void show(BITMAP* canvas) {
    picture.resize(static_cast<std::size_t>(canvas->w) * canvas->h);
    std::uint32_t* out = picture.data();
    std::uint32_t changed = 0;
    for (int y = 0; y < canvas->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(canvas->line[y]);
        for (int x = 0; x < canvas->w; ++x) {
            const std::uint32_t pixel = row[x] | kOpaque;
            changed |= *out ^ pixel;
            *out++ = pixel;
        }
    }
    if (!changed)
        return;
    // clang-format off
    EM_ASM({ Module.showPicture(HEAPU8.subarray($0, $0 + $1 * $2 * 4), $1, $2); },
           picture.data(), canvas->w, canvas->h);
    // clang-format on
}

// Tells the page's controls what the game shows, when it changes.
void tellThePage();

// Whether the frames come ten times a second rather than with each of the
// browser's: while the game waits for the player, an animation frame that
// plays nothing still costs the page's script more than the game does.
constexpr int kWaitingFramePeriodMs = 100;
bool framesSlowed = false;

void slowFrames(bool slow) {
    if (slow == framesSlowed)
        return;
    framesSlowed = slow;
    if (slow)
        emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, kWaitingFramePeriodMs);
    else
        emscripten_set_main_loop_timing(EM_TIMING_RAF, 1);
}

void animationFrame() {
    Engine& engine = Engine::instance();
    if (engine.now() - engine.lastFrameTime < engine.timestepThreshold - kEarlyFrame)
        return;
    loop->frame(engine.beginFrame());
    ++framesPlayed;
    slowFrames(loop->waitingForPlayer);
    // A frame that played nothing changed nothing the page shows.
    if (loop->resting)
        return;
    show(engine.canvas->bitmap);
    tellThePage();
}

const char* yesOrNo(bool value) {
    return value ? "true" : "false";
}

// Whether the game plays sound, and whether it is muted.
const char* soundState() {
    return Engine::instance().sound != sound ? "none" : sound->muted() ? "muted" : "on";
}

// Text as a JSON string, quotes included.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += static_cast<unsigned char>(c) < ' ' ? ' ' : c;
    }
    return out + "\"";
}

std::string rectJson(const layout::Rect& rect) {
    char text[64];
    std::snprintf(text, sizeof text, "[%d,%d,%d,%d]", rect.x, rect.y, rect.width, rect.height);
    return text;
}

// What the page's controls show and its tests wait on, as the members of a
// JSON object, and the only place that reads the game for the page: the
// sound ("none", "muted" or "on"); the money, health, wave, best wave,
// towers, screen mode, pause, fast forward, debug overlay and end; which
// dialog is open ("none", "quit" or "playAgain") and where its answers
// stand; the tower type being placed (-1 for none); each build button's
// tower, key, price and whether it can be bought now; the selected tower's
// upgrade price (null at its top level), whether it can be bought, and its
// sell price; and the top of the strip, below which no tower is set down.
std::string describeGame() {
    std::string text = "\"sound\":" + quoted(soundState());
    const PlayfieldScreen* screen = loop ? loop->screen() : nullptr;
    if (!screen)
        return text;
    const GameSession& game = screen->game;
    const Engine& engine = Engine::instance();
    char numbers[512];
    const bool asking = screen->mode == PlayfieldScreen::QuitDialog;
    const char* dialog = !asking ? "none" : game.gameOver ? "playAgain" : "quit";
    std::snprintf(numbers, sizeof numbers,
                  ",\"money\":%d,\"health\":%d,\"wave\":%d,\"best\":%d,\"towers\":%d,"
                  "\"mode\":%d,\"paused\":%s,\"fastForward\":%s,\"debug\":%s,\"gameOver\":%s,"
                  "\"dialog\":\"%s\",\"placing\":%d,\"ground\":%d,",
                  game.money, game.health, game.waveNumber, game.bestWaves(),
                  static_cast<int>(game.buildings.size()), static_cast<int>(screen->mode),
                  yesOrNo(screen->paused), yesOrNo(screen->fastForwarding),
                  yesOrNo(game.debugOverlay), yesOrNo(game.gameOver), dialog,
                  screen->mode == PlayfieldScreen::Placing ? screen->placingType : -1,
                  layout::kStripTop);
    text += numbers;
    text += "\"yes\":" + rectJson(layout::kYesAnswer) + ",\"no\":" + rectJson(layout::kNoAnswer);

    text += ",\"build\":[";
    for (int type = 0; type < towerTypeCount(); ++type) {
        const TowerDef& def = engine.towerDefs[type];
        std::snprintf(numbers, sizeof numbers,
                      "%s{\"name\":%s,\"key\":%s,\"price\":%d,\"available\":%s,"
                      "\"affordable\":%s}",
                      type ? "," : "", quoted(def.name).c_str(),
                      quoted(WebPlatform::keyLabel(towerTypes()[type].key)).c_str(), def.value,
                      yesOrNo(def.available), yesOrNo(def.available && def.value <= game.money));
        text += numbers;
    }
    text += "]";

    const Building* selected =
        screen->mode == PlayfieldScreen::BuildingSelected ? screen->selectedBuilding : nullptr;
    if (!selected)
        return text + ",\"selected\":null";
    const TowerDef& def = engine.towerDefs[selected->type];
    const bool topLevel = selected->level >= def.upgrades;
    std::snprintf(numbers, sizeof numbers,
                  ",\"selected\":{\"upgrade\":%s,\"canUpgrade\":%s,\"sell\":%d}",
                  topLevel ? "null" : std::to_string(def.levelCost(selected->level + 1)).c_str(),
                  yesOrNo(screen->canUpgradeSelected()), selected->sellPrice());
    return text + numbers;
}

void tellThePage() {
    static std::string told;
    std::string now = describeGame();
    if (now == told)
        return;
    told = std::move(now);
    EM_ASM({ Module.showState('{' + UTF8ToString($0) + '}'); }, told.c_str());
}

} // namespace

// What the page's script calls; see web/page/page.js. Whatever the player
// does brings the frames back at the browser's pace.
extern "C" {

EMSCRIPTEN_KEEPALIVE void groundlinePointer(int x, int y) {
    slowFrames(false);
    platform.pointerMoved(x, y);
}

EMSCRIPTEN_KEEPALIVE void groundlineButton(int button, int down) {
    slowFrames(false);
    platform.buttonChanged(button, down != 0);
}

// Whether the game reads the key, so that the page keeps it from the browser.
EMSCRIPTEN_KEEPALIVE int groundlineKey(const char* label, int down) {
    slowFrames(false);
    return platform.keyChanged(label, down != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void groundlineTouched(int touch) {
    platform.setTouched(touch != 0);
}

EMSCRIPTEN_KEEPALIVE void groundlineFastForward(int on) {
    slowFrames(false);
    platform.setFastForward(on != 0);
}

EMSCRIPTEN_KEEPALIVE void groundlineReleaseAll() {
    slowFrames(false);
    platform.releaseAll();
}

EMSCRIPTEN_KEEPALIVE void groundlineLetGo() {
    slowFrames(false);
    platform.letGo();
}

// A hidden tab pauses the game as P does, and the player resumes it as from
// any pause; a lost game has nothing to pause. It is saved too: a phone's
// browser may drop a hidden tab without another word, and a closed one
// comes through here last.
EMSCRIPTEN_KEEPALIVE void groundlineHidden() {
    platform.releaseAll();
    if (loop)
        loop->keepGame();
    PlayfieldScreen* screen = loop ? loop->screen() : nullptr;
    if (screen && !screen->game.gameOver) {
        screen->paused = true;
        loop->wake();
    }
}

// The time the tab was hidden never reaches the game, as with a window
// switched back in.
EMSCRIPTEN_KEEPALIVE void groundlineShown() {
    slowFrames(false);
    onSwitchIn();
}

// What the page's tests wait on, as JSON: the frames played and all that
// describeGame tells the page.
EMSCRIPTEN_KEEPALIVE const char* groundlineState() {
    static std::string text;
    text = "{\"frames\":" + std::to_string(framesPlayed) + ",\"framesSlowed\":" +
           yesOrNo(framesSlowed) + "," + describeGame() + "}";
    return text.c_str();
}

} // extern "C"

int main(int argc, char** argv) {
    const CommandLine commandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (commandLine.action == CommandLine::Action::Refuse) {
        std::fprintf(
            stderr,
            "groundline: %s (the page's address takes ?mute, ?volume=N, ?play and ?continue)\n",
            commandLine.problem.c_str());
        return 2;
    }
    Engine::initHeadless();
    Engine& engine = Engine::instance();
    engine.platform = &platform;
    engine.scale = 1;
    engine.soundVolume = commandLine.volume;
    engine.startMuted = commandLine.mute;
    static WebStorage storage;
    engine.storage = &storage;
    sound = new WebSound;
    std::vector<std::string> problems = engine.loadData(kDataFolder);
    if (problems.empty())
        problems = engine.start(sound);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "groundline: %s\n", problem.c_str());
    if (!problems.empty())
        return 1;

    // A page cannot close its tab: the title offers no Quit, and under ?play
    // "Yes" to "Quit Game?" starts a new game.
    const GameLoop::Opening opening = commandLine.continueGame ? GameLoop::Opening::SavedGame
                                      : commandLine.play       ? GameLoop::Opening::Game
                                                               : GameLoop::Opening::Title;
    loop = new GameLoop(engine, GameLoop::Quit::StartsANewGame, opening,
                        commandLine.playLevel.value_or(engine.options.difficulty));
    emscripten_set_main_loop(animationFrame, 0, false);
    return 0;
}
