#pragma once

#include "app/Canvas.h"
#include "app/CommandLine.h"
#include "app/Difficulty.h"
#include "app/Options.h"
#include "app/Platform.h"
#include "app/Records.h"
#include "app/Settings.h"
#include "app/Sound.h"
#include "app/Storage.h"
#include "game/InvaderDef.h"
#include "game/Layout.h"
#include "game/TowerDef.h"
#include "invaders/InvaderKind.h"

#include <atomic>
#include <string>
#include <vector>

struct BITMAP;
class BitmapFont;
class SpriteSheet;

// The one application-wide object: the window, the settings, the shared
// pictures and fonts, the frame clock and the mouse snapshot. Created on first
// use and never destroyed; everything it holds lives until the process ends.
class Engine {
  public:
    static Engine& instance();

    // Opens the window at the scale, reads the settings and the shared
    // resources from dataFolder, starts the clock. Exits with status 1, saying
    // why, when it cannot go on.
    void init();

    // The graphics library without a display, as tests and tools draw: memory
    // bitmaps in 32-bit colour, and ".mz" files readable. Only the first call
    // does anything.
    static void initHeadless();

    // Everything a game needs from a data folder, without a window: the
    // settings, a canvas and the catalogue, read the way init reads them,
    // and the difficulties' files checked.
    // Returns what is wrong, one line each; empty when a game can be played.
    std::vector<std::string> loadData(const std::string& folder);

    // Reads strings.txt from dataFolder into the settings; one line saying
    // so when it cannot be read.
    std::vector<std::string> loadSettings();

    // What the native game and the page do alike once the data is loaded:
    // the kept options, the sound on the device (unless the volume is 0), the
    // record, the clock and the random sequence. What stops the game comes
    // back, one line each: a missing effect.
    std::vector<std::string> start(Sound* device);

    // Lays the difficulty's file over strings.txt into the settings, reads
    // the tower and invader definitions from them again, and takes that
    // difficulty's record. When the files cannot be read or the difficulty's
    // is refused, nothing changes, and what is wrong comes back.
    std::vector<std::string> useDifficulty(Difficulty level);
    // What is wrong with the difficulties' files in dataFolder, one line
    // each: a key that strings.txt lacks, or one that names a file. A folder
    // without a difficulty's file plays it as strings.txt stands.
    std::vector<std::string> checkDifficulties() const;

    // Takes the options as the storage keeps them, or as a new player finds
    // them; a kept file that does not read is ignored with one line on
    // standard error.
    void readOptions();
    // Keeps the options, which the Options screen and the title screen change.
    void saveOptions();
    // The sound's volume and mute as the options now say, opening the device
    // if the game started with none.
    void applySound();
    // M: the sound off or back on, kept with the options.
    void toggleMute();
    // The volume this run starts with: the command line's, or the options',
    // or strings.txt's "SoundVolume" until the player chooses one.
    int startVolume() const;
    // Opens the window again at another scale; false, with the window as it
    // was, where there is no window or the screen is too small for it.
    bool resizeWindow(int newScale);

    // Reads the numbers and names of the tower and invader definitions from
    // the settings, keeping the pictures they have.
    void readDefinitions();

    // Loads the catalogue and checks it, returning what checkCatalogue says.
    std::vector<std::string> loadCheckedCatalogue();

    // Loads the fonts, pictures, sheets and the tower and invader definitions
    // named by the settings into the fields below.
    void loadCatalogue();

    // One line for each catalogue file that is missing or unusable, naming
    // the file where it was looked for and what is wrong; empty when the game
    // can start.
    std::vector<std::string> checkCatalogue() const;

    // Seconds on the frame clock; only differences mean anything.
    double now();

    // Starts the frame clock: its rate, the shortest frame the settings
    // allow, and the first frame's start, now. init calls it; a front end
    // that opens no window calls it once the data is loaded.
    void startClock();

    // Waits until the frame period has passed since the last frame began,
    // then begins the next one; returns the seconds elapsed (never clamped).
    // A resting wait, after a frame that drew nothing, only sleeps: the
    // moment's yield that makes a frame punctual keeps a core busy.
    double waitForFrame(bool resting = false);

    // Begins a frame now, without waiting, where something else paces the
    // frames: moves the clock on and samples the mouse. Returns the seconds
    // since the last frame began.
    double beginFrame();

    // Whether the player did anything since the frame before: a key waits,
    // or the mouse moved a canvas pixel or changed its buttons.
    bool inputArrived();

    // Whether the mouse lies in the rectangle, edges included, in canvas pixels.
    bool mouseInRect(int x, int y, int width, int height) const;
    bool mouseInRect(const layout::Rect& rect) const;

    // A file name as the settings and the catalogue write it, "data/bg.mz"
    // or "bg.mz", turned into the same file under dataFolder. An absolute
    // name is kept as it is.
    std::string dataFile(const std::string& name) const;

    // Where the settings and pictures are read from.
    std::string dataFolder = "data";

    // Window pixels per canvas pixel, across and down.
    int scale = CommandLine::kDefaultScale;

    // Whether the command line gave the scale; if not, the options do.
    bool scaleGiven = false;

    // The sound's volume from 0 to 100 as the command line gave it, or -1 to
    // take it from the options; and whether the command line mutes it. The
    // command line wins for the run, and is never kept.
    int soundVolume = -1;
    bool startMuted = false;

    // What the player chose, as kept between runs.
    Options options;
    // The difficulty whose file the settings hold laid over strings.txt.
    Difficulty difficulty = Difficulty::Normal;

    Canvas* canvas = nullptr;
    long long counterFrequency = 0;
    Settings settings;

    // Layout of the playfield screen.
    int towerBaseline = 0;
    int buttonSpacing = 0;

    // The four fonts.
    BitmapFont* fontMain = nullptr;
    BitmapFont* fontMainRed = nullptr;
    BitmapFont* fontSmall = nullptr;
    BitmapFont* fontSmallRed = nullptr;

    // Shared still images.
    BITMAP* background = nullptr;
    BITMAP* redBar = nullptr;
    BITMAP* slots = nullptr;
    BITMAP* icons = nullptr;
    BITMAP* upgradeIcons = nullptr;
    BITMAP* laserSmall = nullptr;
    BITMAP* laserMedium = nullptr;
    BITMAP* cloudImages[5] = {};

    // Shared one-shot animations.
    SpriteSheet* poofSheet = nullptr;
    SpriteSheet* explosionSmallSheet = nullptr;
    SpriteSheet* puff1Sheet = nullptr;
    SpriteSheet* puff2Sheet = nullptr;

    BITMAP* gameOverCaption = nullptr;
    SpriteSheet* missileSheet = nullptr;
    BITMAP* selector = nullptr;

    // Set by the window's close button, from a thread of the library's:
    // the program ends after the frame in progress.
    std::atomic<bool> closeRequested{false};

    // Every frame played, drawn and put in the window, still or not, for the
    // tests that watch the window for frames; GROUNDLINE_DRAW_EVERY_FRAME in
    // the environment asks for it.
    bool drawEveryFrame = false;

    // The mouse as sampled at the start of this frame, in canvas pixels, and
    // the button bits (1 left, 2 right) of this frame and the one before.
    int mouseX = 0;
    int mouseY = 0;
    int previousMouseX = 0;
    int previousMouseY = 0;
    int previousMouseButtons = 0;
    int mouseButtons = 0;

    // One for each of towerTypes(), in its order.
    std::vector<TowerDef> towerDefs;
    // One for each of invaderKinds(), in its order.
    std::vector<InvaderDef> invaderDefs = std::vector<InvaderDef>(invaderKindCount());

    // The frame clock. lastFrameTime is also written by the switch-in
    // callback, which may run on a thread of the library's.
    std::atomic<double> lastFrameTime{0.0};
    double timestepThreshold = 0.0;

    // Where the clock and the input come from; tests put a fake here.
    Platform* platform;
    // Where the sound effects go: nowhere until init opens the machine's
    // sound, and in tests a recorder.
    Sound* sound;
    // Where the best wave is kept between games: nowhere until start finds
    // the player's storage, so that tools and tests never write there.
    Records* records;
    // Where the records and the options are kept: nowhere until the front
    // end hands over the player's folder or the page's storage.
    Storage* storage;

  private:
    Engine();

    // The settings of strings.txt with the difficulty's file laid over them,
    // and the bytes of both as read, which name the difficulty's record.
    std::vector<std::string> laySettings(Difficulty level, Settings& laid,
                                         std::string& bytes) const;
    // Whether this run starts muted: by the command line or the options.
    bool startsMuted() const;

    // The device the sound plays on, null while none is opened.
    Sound* device = nullptr;
    bool deviceOpened = false;
    bool optionsRead = false;
};

// Window callbacks, registered by Engine::init.
void onCloseButton();
void onSwitchIn();
