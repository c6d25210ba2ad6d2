#include "app/Engine.h"

#include "app/AllegroSound.h"
#include "app/BrokenPipe.h"
#include "app/FileNames.h"
#include "app/ProcessEnd.h"
#include "app/Random.h"
#include "app/RecordFile.h"
#include "app/RecordFolder.h"
#include "app/StartupError.h"
#include "app/TimerResolution.h"
#include "app/WindowIdentity.h"
#include "app/WindowedDriver.h"
#include "game/GameSession.h"
#include "gfx/PackedImage.h"

#include <allegro.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

using layout::kCanvasHeight;
using layout::kCanvasWidth;
constexpr const char* kSettingsName = "strings.txt";
constexpr const char* kDataPrefix = "data/";

// An X server drops the connections that reach it while it resets, which it
// does whenever its last client leaves: beside a panel or a script that
// connects, reads the window list and leaves every 50 ms, about one start in
// two hundred met a reset, and many more on a busy machine. The resets come in
// runs while the server is slow, hence pauses that double; a display that is
// really gone fails every try, and says so after some two and a half seconds.
constexpr int kLibraryTries = 9;
constexpr int kFirstRetryPauseMs = 10;

// How long before a frame is due the wait stops sleeping and starts yielding,
// in seconds: more than an idle Linux oversleeps (some 0.1 ms), and little
// enough that the yielding costs under 1 % of a core (bench/FrameWaitBench.cpp).
constexpr double kYieldMargin = 0.0003;

AllegroPlatform allegroPlatform;
Sound silence;
Records noRecords;

// Without the library or a window there is nothing the game can do; say which
// step failed and why, once, and stop rather than crash at the first drawing.
[[noreturn]] void failAt(const std::string& step, const char* reason) {
    reportStartupError({"cannot " + step + ": " + (allegro_error[0] ? allegro_error : reason)});
    endProcess(1);
}

void exitOnProblems(const std::vector<std::string>& problems) {
    if (problems.empty())
        return;
    reportStartupError(problems);
    endProcess(1);
}

std::string displayName() {
    const char* display = std::getenv("DISPLAY");
    return display ? display : "";
}

void startLibrary() {
    // Writing to a connection the server has just dropped would otherwise end
    // the game silently instead of letting it try again.
    ignoreBrokenPipes();

    const std::string display = displayName();
    int pauseMs = kFirstRetryPauseMs;
    for (int tries = 1; allegro_init() != 0; ++tries) {
        // Neither a missing display nor a refusal Allegro explains goes away
        // by waiting.
        if (display.empty())
            failAt("start the graphics library", "no display (DISPLAY is not set)");
        if (allegro_error[0] || tries == kLibraryTries)
            failAt("start the graphics library",
                   ("cannot connect to the X display " + display).c_str());
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        pauseMs *= 2;
    }
}

} // namespace

Engine::Engine() : platform(&allegroPlatform), sound(&silence), records(&noRecords) {}

Engine& Engine::instance() {
    // Never destroyed, so that what it holds is still there for a window
    // callback or an exit handler that runs after main returns.
    static Engine* engine = new Engine;
    return *engine;
}

void Engine::init() {
    // Allegro's X11 driver makes its window as the library starts.
    WindowIdentity::declare();
    startLibrary();
    install_keyboard();
    install_mouse();
    allegroPlatform.latchPresses();
    registerPackedImageType();
    useUtf8FileNames();
    set_color_depth(32);

    const int windowWidth = kCanvasWidth * scale;
    const int windowHeight = kCanvasHeight * scale;
    const std::string size = std::to_string(windowWidth) + "x" + std::to_string(windowHeight);
    int screenWidth = 0;
    int screenHeight = 0;
    if (get_desktop_resolution(&screenWidth, &screenHeight) == 0 &&
        (windowWidth > screenWidth || windowHeight > screenHeight)) {
        reportStartupError({"a " + size + " window (--scale " + std::to_string(scale) +
                            ") does not fit the " + std::to_string(screenWidth) + "x" +
                            std::to_string(screenHeight) + " screen; choose a smaller --scale"});
        endProcess(1);
    }
    const int driver = windowedDriver();
    if (set_gfx_mode(driver, windowWidth, windowHeight, 0, 0) != 0 &&
        (driver == GFX_AUTODETECT_WINDOWED ||
         set_gfx_mode(GFX_AUTODETECT_WINDOWED, windowWidth, windowHeight, 0, 0) != 0))
        failAt("open the " + size + " window", "the display refused a window");

    exitOnProblems(loadSettings());

    set_window_title(settings.get("WindowTitle").c_str());
    show_mouse(screen);
    enable_hardware_cursor();

    canvas = new Canvas(kCanvasWidth, kCanvasHeight);

    // A game that would draw through a missing picture must not start; say
    // which files are wrong, all of them at once, so a modder fixes them in
    // one go.
    exitOnProblems(loadCheckedCatalogue());
    openSound();
    openRecords();

    // For as long as the game runs: the frame wait sleeps on it.
    static const TimerResolution fineTimer;
    startClock();

    set_display_switch_callback(SWITCH_IN, onSwitchIn);
    set_close_button_callback(onCloseButton);
    Random::seed(static_cast<unsigned>(std::time(nullptr)));
}

void Engine::openSound() {
    const int volume = soundVolume >= 0 ? soundVolume : settings.getInt("SoundVolume");
    if (volume <= 0)
        return;
    // Like the pictures, kept until the process ends, after the library.
    static AllegroSound* allegroSound = new AllegroSound;
    const std::vector<std::string> problems = allegroSound->load(*this);
    if (!startMuted)
        exitOnProblems(problems);
    allegroSound->open(volume, startMuted, platform);
    sound = allegroSound;
}

void Engine::openRecords() {
    std::ifstream file(std::filesystem::u8path(dataFile(kSettingsName)), std::ios::binary);
    const std::string settingsBytes{std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>()};
    // Kept until the process ends, like the sound.
    static RecordFile* recordFile = new RecordFile(recordFolder(), settingsBytes);
    records = recordFile;
}

void Engine::initHeadless() {
    static const bool started = [] {
        install_allegro(SYSTEM_NONE, &errno, std::atexit);
        set_color_depth(32);
        registerPackedImageType();
        useUtf8FileNames();
        return true;
    }();
    (void)started;
}

std::vector<std::string> Engine::loadData(const std::string& folder) {
    dataFolder = folder;
    const std::vector<std::string> problems = loadSettings();
    if (!problems.empty())
        return problems;
    if (!canvas)
        canvas = new Canvas(kCanvasWidth, kCanvasHeight);
    return loadCheckedCatalogue();
}

std::vector<std::string> Engine::loadSettings() {
    const std::string path = dataFile(kSettingsName);
    if (!settings.load(path))
        return {"cannot read " + path};
    return {};
}

std::vector<std::string> Engine::loadCheckedCatalogue() {
    loadCatalogue();
    return checkCatalogue();
}

std::string Engine::dataFile(const std::string& name) const {
    if (name.empty() || std::filesystem::u8path(name).is_absolute())
        return name;
    // The shipped strings.txt names its files as seen from the game's own
    // folder; a mod's may name them as seen from the mod's.
    const std::string prefix = kDataPrefix;
    const bool prefixed = name.compare(0, prefix.size(), prefix) == 0;
    return dataFolder + "/" + (prefixed ? name.substr(prefix.size()) : name);
}

void Engine::startClock() {
    counterFrequency = platform->clockFrequency();
    timestepThreshold = settings.getReal("TimestepThreshold");
    lastFrameTime = now();
}

double Engine::now() {
    return platform->now();
}

double Engine::waitForFrame() {
    // A sleep rests the processor but may wake late; yielding is punctual but
    // keeps a core busy. Sleep through most of the wait and yield only for the
    // last moment, which covers how late a sleep wakes.
    const double remaining = timestepThreshold - (now() - lastFrameTime);
    if (remaining > kYieldMargin)
        platform->sleep(remaining - kYieldMargin);
    while (timestepThreshold > now() - lastFrameTime)
        platform->yield();
    return beginFrame();
}

double Engine::beginFrame() {
    const double elapsed = now() - lastFrameTime;
    lastFrameTime = lastFrameTime + elapsed;

    mouseX = platform->mouseX() / scale;
    mouseY = platform->mouseY() / scale;
    previousMouseButtons = mouseButtons;
    mouseButtons = platform->mouseButtons();
    return elapsed;
}

bool Engine::mouseInRect(int x, int y, int width, int height) const {
    return x <= mouseX && mouseX <= x + width && y <= mouseY && mouseY <= y + height;
}

bool Engine::mouseInRect(const layout::Rect& rect) const {
    return mouseInRect(rect.x, rect.y, rect.width, rect.height);
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
