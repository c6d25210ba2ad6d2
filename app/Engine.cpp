#include "app/Engine.h"

#include "game/GameSession.h"
#include "gfx/PackedImage.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kCanvasWidth = 320;
constexpr int kCanvasHeight = 240;
constexpr const char* kSettingsName = "data/strings.txt";
constexpr const char* kDataPrefix = "data/";

AllegroPlatform allegroPlatform;

// Without a window there is nothing the game can do; say why once and stop,
// rather than letting the first drawing call crash.
[[noreturn]] void failToOpenWindow() {
    const char* display = std::getenv("DISPLAY");
    const char* reason = allegro_error[0]        ? allegro_error
                         : !display || !*display ? "no display (DISPLAY is not set)"
                                                 : "the display refused a window";
    std::fprintf(stderr, "groundline: cannot open the 640x480 window: %s\n", reason);
    std::exit(1);
}

} // namespace

Engine::Engine() : platform(&allegroPlatform) {}

Engine& Engine::instance() {
    static Engine engine;
    return engine;
}

void Engine::init() {
    if (allegro_init() != 0)
        failToOpenWindow();
    install_keyboard();
    install_mouse();
    registerPackedImageType();
    set_color_depth(32);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, kWindowWidth, kWindowHeight, 0, 0) != 0)
        failToOpenWindow();

    if (!settings.load(dataFile(kSettingsName)))
        std::exit(1);

    set_window_title(settings.get("WindowTitle").c_str());
    show_mouse(screen);
    enable_hardware_cursor();

    canvas = new Canvas(kCanvasWidth, kCanvasHeight);

    // A game that would draw through a missing picture must not start; say
    // which files are wrong, all of them at once, so a modder fixes them in
    // one go.
    loadCatalogue();
    const std::vector<std::string> problems = checkCatalogue();
    for (const std::string& problem : problems)
        std::fprintf(stderr, "groundline: %s\n", problem.c_str());
    if (!problems.empty())
        std::exit(1);

    counterFrequency = platform->clockFrequency();
    timestepThreshold = settings.getReal("TimestepThreshold");
    lastFrameTime = now();

    set_display_switch_callback(SWITCH_IN, onSwitchIn);
    set_close_button_callback(onCloseButton);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

std::string Engine::dataFile(const std::string& name) const {
    const std::string prefix = kDataPrefix;
    if (name.compare(0, prefix.size(), prefix) != 0)
        return name;
    return dataFolder + "/" + name.substr(prefix.size());
}

double Engine::now() {
    return platform->now();
}

double Engine::waitForFrame() {
    double elapsed;
    while (true) {
        elapsed = now() - lastFrameTime;
        if (!(timestepThreshold > elapsed))
            break;
        platform->yield();
    }
    lastFrameTime = lastFrameTime + elapsed;

    mouseX = platform->mouseX() / 2;
    mouseY = platform->mouseY() / 2;
    previousMouseButtons = mouseButtons;
    mouseButtons = platform->mouseButtons();
    return elapsed;
}

bool Engine::mouseInRect(int x, int y, int width, int height) const {
    return x <= mouseX && mouseX <= x + width && y <= mouseY && mouseY <= y + height;
}

void Engine::setSession(GameSession* newSession) {
    std::lock_guard<std::mutex> lock(sessionGuard);
    session = newSession;
}

void onCloseButton() {
    Engine& engine = Engine::instance();
    std::lock_guard<std::mutex> lock(engine.sessionGuard);
    if (engine.session)
        engine.session->running = false;
}

void onSwitchIn() {
    Engine& engine = Engine::instance();
    engine.lastFrameTime = engine.now();
}
