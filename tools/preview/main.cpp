// preview-frames: plays a short game headless on the real data/ with the
// game's own loaders and drawing, and saves the frames that show every
// picture in use (at the window's doubled size) for someone to look at, and a
// run of frames of the battle to make an animation of.

#include "app/Canvas.h"
#include "app/Engine.h"
#include "app/Random.h"
#include "app/Sound.h"
#include "defences/Building.h"
#include "effects/ArmourSparkEffect.h"
#include "effects/Effect.h"
#include "game/GameSession.h"
#include "game/HowToPlayScreen.h"
#include "game/OptionsScreen.h"
#include "game/PlayfieldScreen.h"
#include "game/TitleScreen.h"
#include "gfx/PackedImage.h"
#include "glpack/PngFile.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"
#include "preview/ScriptedPlatform.h"

#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

constexpr double kFrameTime = 1.0 / 60.0;
constexpr int kWindowScale = 2;
// Low enough for sparks off a shell to be seen whole.
constexpr int kSparksInSight = 20;
// Low enough for the tesla coils' arcs to reach.
constexpr double kStrikeLine = 120.0;

// Every game of the preview starts from this seed, so that a new game can be
// held to the first one's picture.
constexpr unsigned kSeed = 7;

// The canvas at the window's size as a PNG file; false, saying why, when it
// cannot be written.
bool saveCanvas(const Engine& engine, const std::string& path) {
    BITMAP* canvas = engine.canvas->bitmap;
    BITMAP* window = create_bitmap(canvas->w * kWindowScale, canvas->h * kWindowScale);
    stretch_blit(canvas, window, 0, 0, canvas->w, canvas->h, 0, 0, window->w, window->h);
    std::string error;
    const bool written = PngFile::write(path, window, error);
    if (!written)
        std::fprintf(stderr, "preview-frames: %s\n", error.c_str());
    destroy_bitmap(window);
    return written;
}

struct Preview {
    Engine& engine;
    PlayfieldScreen& screen;
    ScriptedPlatform& platform;
    std::string folder;
    bool saved = true;
    GameSession& session = screen.game;

    void frames(double seconds, int buttons = 0, bool fastForward = false) {
        for (double t = 0.0; t < seconds; t += kFrameTime) {
            platform.buttons = buttons;
            platform.time += kFrameTime;
            engine.waitForFrame();
            screen.step(kFrameTime, fastForward);
        }
    }

    // Plays on until some invader is below y, or the time is up.
    void marchUntilLow(double y, double seconds) {
        for (double t = 0.0; t < seconds && lowestInvader() < y; t += kFrameTime)
            frames(kFrameTime);
    }

    double lowestInvader() const {
        double lowest = -1000.0;
        if (session.wave)
            for (const Invader* invader : session.wave->invaders)
                lowest = std::max(lowest, invader->y);
        return lowest;
    }

    void place(int type, int x) {
        platform.pointAt(x, engine.towerBaseline - 10);
        engine.waitForFrame();
        session.build(type, engine.mouseX);
    }

    // Every third frame for the given time, as NAME_000.png and on: 20 frames
    // a second, which a GIF's delays in hundredths of a second can keep.
    void saveSequence(const std::string& name, double seconds) {
        constexpr int kFramesPerPicture = 3;
        const int pictures = static_cast<int>(seconds / (kFramesPerPicture * kFrameTime));
        for (int n = 0; n < pictures; ++n) {
            char number[16];
            std::snprintf(number, sizeof number, "_%03d", n);
            save(name + number);
            frames(kFramesPerPicture * kFrameTime);
        }
    }

    void save(const std::string& name) {
        screen.draw();
        saved = saveCanvas(engine, folder + "/" + name + ".png") && saved;
    }
};

// A new game with the preview's seed and the pointer where the first game's
// was, on its screen, drawn once; the caller deletes both.
PlayfieldScreen* newGame(Engine& engine, ScriptedPlatform& platform) {
    Random::seed(kSeed);
    auto* session = new GameSession;
    session->start();
    auto* screen = new PlayfieldScreen(*session);
    platform.pointAt(160, 150);
    platform.time += kFrameTime;
    engine.waitForFrame();
    screen->step(kFrameTime, false);
    screen->draw();
    return screen;
}

void endGame(PlayfieldScreen* screen) {
    GameSession* session = &screen->game;
    delete screen;
    delete session;
}

bool sameCanvas(BITMAP* first, BITMAP* second) {
    for (int y = 0; y < first->h; ++y)
        for (int x = 0; x < first->w; ++x)
            if (getpixel(first, x, y) != getpixel(second, x, y))
                return false;
    return true;
}

// A sound that is off, for the muted mark.
class MutedSound : public Sound {
  public:
    bool muted() const override { return true; }
};

// What the game teaches in play: the shellbacks of wave 6 coming into sight
// for the first time ever (their card, then their banner), lasers' hits that
// their armour softens or turns aside, and the muted mark.
bool previewTeaching(Engine& engine, ScriptedPlatform& platform, const std::string& folder) {
    Random::seed(kSeed);
    GameSession session;
    session.start();
    PlayfieldScreen screen(session, true);
    Preview preview{engine, screen, platform, folder};
    session.money = 1000;
    for (int x = 40; x < 300; x += 40)
        preview.place(x % 80 == 0 ? 0 : 1, x);
    session.waveNumber = 6;
    platform.pointAt(160, 150);
    bool carded = false;
    // The squibbles come first, and their card goes at a key.
    constexpr int kShellback = 1;
    for (double t = 0.0; t < 30.0 && !carded; t += kFrameTime) {
        if (screen.cardKind >= 0 && screen.cardKind != kShellback)
            platform.press(KEY_SPACE);
        preview.frames(kFrameTime);
        carded = screen.cardKind == kShellback;
    }
    preview.save("first_meeting_card");
    platform.press(KEY_SPACE);
    preview.frames(0.6);
    preview.save("kind_banner");

    // A hit softened by the shell a moment ago, in sight: its sparks flying and its
    // figure in grey.
    const auto sparking = [&session] {
        for (const Effect* effect : session.effects) {
            const auto* sparks = dynamic_cast<const ArmourSparkEffect*>(effect);
            if (sparks && sparks->kind == ArmourSparkEffect::Softened && sparks->age > 0.1 &&
                sparks->y > kSparksInSight)
                return true;
        }
        return false;
    };
    // Once the banner has gone, a hit on a shell.
    for (double t = 0.0; t < 5.0; t += kFrameTime) {
        if (screen.cardKind >= 0)
            platform.press(KEY_SPACE);
        preview.frames(kFrameTime);
    }
    bool sparked = false;
    for (double t = 0.0; t < 60.0 && !sparked; t += kFrameTime) {
        if (screen.cardKind >= 0)
            platform.press(KEY_SPACE);
        preview.frames(kFrameTime);
        sparked = sparking() && screen.cardKind < 0;
    }
    MutedSound muted;
    Sound* sound = engine.sound;
    engine.sound = &muted;
    preview.save("armour_hit");
    engine.sound = sound;
    if (!carded || !sparked)
        std::fprintf(stderr, "preview-frames: %s\n",
                     !carded ? "no shellback's card came" : "no hit met a shellback's armour");
    return preview.saved && carded && sparked;
}

} // namespace

int main(int argc, char** argv) {
    // An option is no folder: "--help" would otherwise be made one.
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs("usage: preview-frames OUTPUT_FOLDER   (run from the repository root)\n",
                   stderr);
        return 2;
    }
    std::error_code madeFolder;
    std::filesystem::create_directories(argv[1], madeFolder);
    Engine::initHeadless();
    Engine& engine = Engine::instance();
    ScriptedPlatform platform;
    engine.platform = &platform;
    const std::vector<std::string> problems = engine.loadData("data");
    for (const std::string& problem : problems)
        std::fprintf(stderr, "preview-frames: %s\n", problem.c_str());
    if (!problems.empty())
        return 1;
    PlayfieldScreen* first = newGame(engine, platform);
    PlayfieldScreen& screen = *first;
    GameSession& session = first->game;
    Preview preview{engine, screen, platform, argv[1]};
    preview.save("first_frame");
    BITMAP* firstFrame = create_bitmap(engine.canvas->bitmap->w, engine.canvas->bitmap->h);
    blit(engine.canvas->bitmap, firstFrame, 0, 0, 0, 0, firstFrame->w, firstFrame->h);

    // A well-defended ground line against the tenth wave, whose squibbles
    // live long enough to march down into the fire.
    session.money = 1000;
    preview.place(0, 30);
    preview.place(1, 70);
    preview.place(0, 110);
    preview.place(2, 150);
    preview.place(0, 185);
    preview.place(1, 225);
    preview.place(2, 265);
    session.waveNumber = 10;
    session.money = 95;

    // The wave comes in and marches down; the pointer rests on the missile
    // turret's button.
    platform.pointAt(290, 228);
    preview.frames(12.0);
    preview.save("battle_early");
    preview.marchUntilLow(kStrikeLine, 60.0);
    preview.save("battle");
    preview.frames(0.55);
    preview.save("battle_later");
    // The wave meeting the towers, for an animation of the battle.
    preview.saveSequence("wave", 3.0);

    // Choosing a laser turret and pointing at a taken place.
    session.money = 300;
    screen.mode = PlayfieldScreen::Placing;
    screen.placingType = 0;
    platform.pointAt(152, 150);
    preview.frames(kFrameTime);
    preview.save("placing_blocked");

    // Placing a tesla coil shows the ring it will strike within.
    screen.placingType = 2;
    platform.pointAt(120, 150);
    preview.frames(kFrameTime);
    preview.save("placing_tesla");

    // A tower selected, the pointer on the demolish button.
    screen.mode = PlayfieldScreen::BuildingSelected;
    screen.selectedBuilding = session.buildings.front();
    platform.pointAt(308, 228);
    preview.frames(kFrameTime);
    preview.save("selected");

    // An upgraded tesla coil selected, the pointer away from the buttons:
    // its figures, its ring and its level pips.
    screen.selectedBuilding = *std::next(session.buildings.begin(), 3);
    screen.selectedBuilding->upgrade();
    screen.selectedBuilding->upgrade();
    platform.pointAt(160, 150);
    preview.frames(kFrameTime);
    preview.save("selected_figures");

    // Tab held: the fast-forward mark under the wave's number.
    screen.mode = PlayfieldScreen::Idle;
    preview.frames(kFrameTime, 0, true);
    preview.save("fast_forward");

    // P: everything stands still under the caption.
    platform.press(KEY_P);
    preview.frames(2 * kFrameTime);
    preview.save("paused");
    platform.press(KEY_P);
    preview.frames(kFrameTime);

    // The quit dialog, the pointer on "Yes".
    screen.mode = PlayfieldScreen::QuitDialog;
    platform.pointAt(160, 113);
    preview.frames(kFrameTime);
    preview.save("dialog");

    // Lost: the playfield greys and the dialog opens by itself.
    screen.mode = PlayfieldScreen::Idle;
    session.health = 0;
    platform.pointAt(160, 123);
    preview.frames(0.3);
    preview.save("game_over");

    // Enter plays again: a new game that starts as the first did.
    platform.press(KEY_ENTER);
    preview.frames(kFrameTime);
    const bool again = screen.next == Screen::Next::Play;
    endGame(first);
    PlayfieldScreen* second = newGame(engine, platform);
    Preview{engine, *second, platform, argv[1]}.save("again_first_frame");
    const bool same = sameCanvas(firstFrame, engine.canvas->bitmap);
    if (!again || !same)
        std::fprintf(stderr, "preview-frames: %s\n",
                     !again ? "Enter did not start a new game after the game was lost"
                            : "the new game's first frame differs from the first game's");
    endGame(second);
    destroy_bitmap(firstFrame);
    const bool taught = previewTeaching(engine, platform, argv[1]);

    // The screens around the game: the title with Play chosen, How to Play,
    // and Options with the window's scale among them.
    bool screensSaved = true;
    platform.pointAt(0, 0);
    TitleScreen title(engine, true);
    HowToPlayScreen howToPlay(engine);
    OptionsScreen options(engine, true);
    for (const auto& [screen, name] :
         {std::pair<Screen*, const char*>{&title, "title"}, {&options, "options"}}) {
        screen->update(kFrameTime, false);
        screen->draw();
        screensSaved =
            saveCanvas(engine, std::string(argv[1]) + "/" + name + ".png") && screensSaved;
    }
    // Every page of How to Play, turned by the Right key.
    for (size_t page = 0; page < howToPlay.pages.size(); ++page) {
        howToPlay.update(kFrameTime, false);
        howToPlay.draw();
        screensSaved = saveCanvas(engine, std::string(argv[1]) + "/how_to_play_" +
                                              std::to_string(page + 1) + ".png") &&
                       screensSaved;
        platform.press(KEY_RIGHT);
    }
    return preview.saved && screensSaved && again && same && taught ? 0 : 1;
}
