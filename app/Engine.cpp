#include "app/Engine.h"

#include "app/AllegroSound.h"
#include "app/BrokenPipe.h"
#include "app/DefaultScale.h"
#include "app/FileStorage.h"
#include "app/FileNames.h"
#include "app/ProcessEnd.h"
#include "app/Random.h"
#include "app/RecordFolder.h"
#include "app/StartupError.h"
#include "app/TimerResolution.h"
#include "app/WindowIdentity.h"
#include "app/WindowedDriver.h"
#include "gfx/PackedImage.h"

#include <allegro.h>

#include <algorithm>
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
Storage keepsNothing;

std::string fileBytes(const std::string& path) {
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Keys whose values name files: a difficulty lays numbers and names over the
// settings, never pictures, fonts or sounds, which are loaded once.
bool namesAFile(const std::string& key) {
    const auto endsWith = [&key](const std::string& end) {
        return key.size() >= end.size() &&
               key.compare(key.size() - end.size(), end.size(), end) == 0;
    };
    return key.rfind("Font", 0) == 0 || key.rfind("Sound", 0) == 0 || endsWith("Sprite") ||
           endsWith("Poof");
}

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

Engine::Engine()
    : platform(&allegroPlatform), sound(&silence), records(&noRecords), storage(&keepsNothing) {}

Engine& Engine::instance() {
    // Never destroyed, so that what it holds is still there for a window
    // callback or an exit handler that runs after main returns.
    static Engine* engine = new Engine;
    return *engine;
}

void Engine::init() {
    drawEveryFrame = std::getenv("GROUNDLINE_DRAW_EVERY_FRAME") != nullptr;
    // Allegro's X11 driver makes its window as the library starts.
    WindowIdentity::declare();
    startLibrary();
    install_keyboard();
    install_mouse();
    allegroPlatform.latchPresses();
    registerPackedImageType();
    useUtf8FileNames();
    set_color_depth(32);

    // Kept until the process ends, like the sound.
    static FileStorage* files = new FileStorage(recordFolder());
    storage = files;
    readOptions();
    if (!scaleGiven && options.scale > 0)
        scale = options.scale;

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
    exitOnProblems(checkDifficulties());
    // For as long as the game runs: the frame wait sleeps on it.
    static const TimerResolution fineTimer;
    // Like the pictures, kept until the process ends, after the library.
    static AllegroSound* allegroSound = new AllegroSound;
    exitOnProblems(start(allegroSound));

    set_display_switch_callback(SWITCH_IN, onSwitchIn);
    set_close_button_callback(onCloseButton);
}

std::vector<std::string> Engine::start(Sound* soundDevice) {
    std::vector<std::string> problems;
    if (!optionsRead)
        readOptions();

    const int volume = startVolume();
    if (volume > 0) {
        problems = soundDevice->load(*this);
        // A missing effect stops the game as a missing picture does, unless
        // the sound starts muted, when the player may never want it.
        if (!problems.empty() && !startsMuted())
            return problems;
        soundDevice->open(volume, startsMuted(), platform);
        deviceOpened = true;
        sound = soundDevice;
    }
    device = soundDevice;

    std::string bytes;
    Settings laid;
    laySettings(Difficulty::Normal, laid, bytes);
    if (Records* kept = storage->records(bytes))
        records = kept;
    startClock();
    Random::seed(static_cast<unsigned>(std::time(nullptr)));
    return {};
}

int Engine::startVolume() const {
    const int chosen = soundVolume >= 0 ? soundVolume : options.volume;
    return std::clamp(chosen >= 0 ? chosen : settings.getInt("SoundVolume"), 0,
                      CommandLine::kLoudestVolume);
}

bool Engine::startsMuted() const {
    return startMuted || options.muted;
}

void Engine::readOptions() {
    optionsRead = true;
    options = Options();
    const std::optional<std::string> bytes = storage->readOptions();
    if (!bytes)
        return;
    const std::optional<Options> kept = ::readOptions(*bytes);
    if (kept)
        options = *kept;
    else
        std::fprintf(stderr, "groundline: the kept options do not read, so the defaults stand\n");
}

void Engine::saveOptions() {
    // A volume the player never chose is strings.txt's, whatever the command
    // line asked of this run.
    Options kept = options;
    if (kept.volume < 0)
        kept.volume = std::clamp(settings.getInt("SoundVolume"), 0, CommandLine::kLoudestVolume);
    if (kept.scale <= 0)
        kept.scale = scaleGiven ? defaultScale() : scale;
    storage->writeOptions(writeOptions(kept));
}

void Engine::applySound() {
    const int volume = std::clamp(options.volume, 0, CommandLine::kLoudestVolume);
    if (!deviceOpened && device && volume > 0) {
        // The game started silent; the effects that cannot be read stay so.
        const std::vector<std::string> problems = device->load(*this);
        for (const std::string& problem : problems)
            std::fprintf(stderr, "groundline: %s\n", problem.c_str());
        if (!problems.empty())
            return;
        device->open(volume, options.muted, platform);
        deviceOpened = true;
        sound = device;
        return;
    }
    sound->setVolume(volume);
    if (sound->muted() != options.muted)
        sound->toggleMute();
}

void Engine::toggleMute() {
    sound->toggleMute();
    options.muted = sound->muted();
    saveOptions();
}

bool Engine::resizeWindow(int newScale) {
    if (!screen || newScale == scale)
        return false;
    const int width = kCanvasWidth * newScale;
    const int height = kCanvasHeight * newScale;
    int screenWidth = 0;
    int screenHeight = 0;
    if (get_desktop_resolution(&screenWidth, &screenHeight) == 0 &&
        (width > screenWidth || height > screenHeight))
        return false;
    const int driver = windowedDriver();
    // A new window, or the old size again, shows nothing until it is drawn,
    // however still the picture.
    canvas->forgetShown();
    if (set_gfx_mode(driver, width, height, 0, 0) != 0) {
        set_gfx_mode(driver, kCanvasWidth * scale, kCanvasHeight * scale, 0, 0);
        return false;
    }
    scale = newScale;
    // A new window: what start-up gave the old one, it needs again.
    set_window_title(settings.get("WindowTitle").c_str());
    show_mouse(screen);
    enable_hardware_cursor();
    set_display_switch_callback(SWITCH_IN, onSwitchIn);
    set_close_button_callback(onCloseButton);
    return true;
}

std::vector<std::string> Engine::laySettings(Difficulty level, Settings& laid,
                                             std::string& bytes) const {
    const std::string base = dataFile(kSettingsName);
    if (!laid.load(base))
        return {"cannot read " + base};
    bytes = fileBytes(base);
    const std::string overlay = levelOf(level).overlay;
    if (overlay.empty())
        return {};
    const std::string path = dataFile(overlay);
    Settings over;
    if (!over.load(path))
        return {};
    std::vector<std::string> problems;
    for (const std::string& key : over.keys()) {
        if (!laid.has(key))
            problems.push_back(path + ": " + key + " is no key of " + kSettingsName);
        else if (namesAFile(key))
            problems.push_back(path + ": " + key +
                               " names a file; a difficulty changes numbers and names only");
        else
            laid.set(key, over.get(key));
    }
    bytes += fileBytes(path);
    return problems;
}

std::vector<std::string> Engine::checkDifficulties() const {
    std::vector<std::string> problems;
    for (const DifficultyLevel& level : difficultyLevels()) {
        Settings laid;
        std::string bytes;
        for (const std::string& problem : laySettings(level.difficulty, laid, bytes))
            problems.push_back(problem);
    }
    return problems;
}

std::vector<std::string> Engine::useDifficulty(Difficulty level) {
    Settings laid;
    std::string bytes;
    const std::vector<std::string> problems = laySettings(level, laid, bytes);
    if (!problems.empty())
        return problems;
    settings = laid;
    readDefinitions();
    difficulty = level;
    Records* kept = storage->records(bytes);
    records = kept ? kept : &noRecords;
    return {};
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
    std::vector<std::string> catalogueProblems = loadCheckedCatalogue();
    for (const std::string& problem : checkDifficulties())
        catalogueProblems.push_back(problem);
    return catalogueProblems;
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

double Engine::waitForFrame(bool resting) {
    // A sleep rests the processor but may wake late; yielding is punctual but
    // keeps a core busy. Sleep through most of the wait and yield only for the
    // last moment, which covers how late a sleep wakes.
    const double remaining = timestepThreshold - (now() - lastFrameTime);
    if (resting) {
        if (remaining > 0)
            platform->sleep(remaining);
        return beginFrame();
    }
    if (remaining > kYieldMargin)
        platform->sleep(remaining - kYieldMargin);
    while (timestepThreshold > now() - lastFrameTime)
        platform->yield();
    return beginFrame();
}

double Engine::beginFrame() {
    const double elapsed = now() - lastFrameTime;
    lastFrameTime = lastFrameTime + elapsed;

    previousMouseX = mouseX;
    previousMouseY = mouseY;
    mouseX = platform->mouseX() / scale;
    mouseY = platform->mouseY() / scale;
    previousMouseButtons = mouseButtons;
    mouseButtons = platform->mouseButtons();
    return elapsed;
}

bool Engine::inputArrived() {
    return platform->keyPressed() || mouseX != previousMouseX || mouseY != previousMouseY ||
           mouseButtons != previousMouseButtons;
}

bool Engine::mouseInRect(int x, int y, int width, int height) const {
    return x <= mouseX && mouseX <= x + width && y <= mouseY && mouseY <= y + height;
}

bool Engine::mouseInRect(const layout::Rect& rect) const {
    return mouseInRect(rect.x, rect.y, rect.width, rect.height);
}

void onCloseButton() {
    Engine::instance().closeRequested = true;
}

void onSwitchIn() {
    Engine& engine = Engine::instance();
    engine.lastFrameTime = engine.now();
}
