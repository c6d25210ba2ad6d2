#include "synth/Synth.h"
#include "window/GameFolder.h"
#include "window/RunningGame.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBaseline = 214; // the shipped "TowerBaseline"

// Where the test sets each tower down.
constexpr int kLaserX = 60;
constexpr int kMissileX = 160;
constexpr int kTeslaX = 250;

// Colours of the shipped pictures that nothing else shows in the sky.
constexpr std::uint32_t kBoltPink = 0xFF77A8;
constexpr std::uint32_t kMissileYellow = 0xFFEC27; // missiles and explosions
constexpr std::uint32_t kSmokeGrey = 0x83769C;     // smoke puffs and poofs
constexpr std::uint32_t kExplosionOrange = 0xFFA300;
constexpr std::uint32_t kSparkGlow = 0x4080FF;
// The playfield's sky, above the towers' tops and the far hills.
constexpr int kSkyTop = 10;
constexpr int kSkyBottom = 160;

int countInRect(const Screenshot& shot, std::uint32_t colour, int left, int top, int right,
                int bottom) {
    int count = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            count += shot.canvasPixel(x, y) == colour;
    }
    return count;
}

int countInSky(const Screenshot& shot, std::uint32_t colour) {
    return countInRect(shot, colour, 0, kSkyTop, 319, kSkyBottom);
}

// Canvas pixels of the rectangle that differ between two screenshots.
int differences(const Screenshot& a, const Screenshot& b, int left, int top, int right,
                int bottom) {
    int count = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            count += a.canvasPixel(x, y) != b.canvasPixel(x, y);
    }
    return count;
}

// The topmost row of the rectangle in which the screenshots differ, if any.
std::optional<int> topDifference(const Screenshot& a, const Screenshot& b, int left, int top,
                                 int right, int bottom) {
    for (int y = top; y <= bottom; ++y) {
        if (differences(a, b, left, y, right, y) > 0)
            return y;
    }
    return std::nullopt;
}

// Takes screenshots until one satisfies the test, or the time is up; the
// first that does is saved under the given name.
std::optional<Screenshot> waitForScreen(GameWindow& window, std::chrono::seconds timeout,
                                        const std::string& name,
                                        const std::function<bool(const Screenshot&)>& shows) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        Screenshot shot = window.screenshot();
        if (shows(shot)) {
            shot.save(screenshotPath(name));
            return shot;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    return std::nullopt;
}

// Chooses a tower type, sets one down on the ground at x, and leaves the
// placing mode again.
void build(GameWindow& window, int type, int x) {
    window.clickCanvas(GameWindow::buildButton(type));
    window.clickCanvas(x, kBaseline - 10);
    window.clickCanvas(x, kBaseline - 10, 3);
}

// A game folder with money for every tower and a short first countdown. The
// tesla coil reaches the whole sky, so that it strikes as soon as the wave
// comes rather than when the wave is nearly down.
void prepare(const GameFolder& folder) {
    folder.setSetting("StartingMoney", "1000");
    folder.setSetting("TimeBetweenWaves", "3");
    folder.setSetting("Tower3RangeBase", "400");
}

// A click that ends the game: the harness's wait for the frames after the
// release then finds the window gone, which is what the test wants.
void clickToQuit(GameWindow& window, int x, int y) {
    try {
        window.clickCanvas(x, y);
    } catch (const std::runtime_error&) {
    }
}

} // namespace

TEST(Defences, EachTowerFiresAndADemolishedTowerIsGoneWithItsRefundShown) {
    GameFolder folder;
    prepare(folder);
    VirtualDisplay display;
    RunningGame game(&display, folder.path());
    GameWindow& window = game.window();
    window.moveMouse(2 * 160, 2 * 30);
    const Screenshot empty = window.screenshot();

    build(window, 0, kLaserX);
    // The laser fires with nobody to shoot at: a bolt rises above it
    // before the first wave comes.
    EXPECT_TRUE(waitForScreen(window, std::chrono::seconds(5), "Defences.bolt",
                              [](const Screenshot& shot) {
                                  return countInRect(shot, kBoltPink, kLaserX - 4, kSkyTop,
                                                     kLaserX + 4, kSkyBottom) > 0;
                              }))
        << "no bolt rose above the laser turret";

    build(window, 1, kMissileX);
    build(window, 2, kTeslaX);
    window.moveMouse(2 * 160, 2 * 30);

    EXPECT_TRUE(waitForScreen(window, std::chrono::seconds(40), "Defences.missile",
                              [](const Screenshot& shot) {
                                  return countInSky(shot, kMissileYellow) > 0 &&
                                         countInSky(shot, kSmokeGrey) > 0 &&
                                         countInSky(shot, kExplosionOrange) == 0;
                              }))
        << "no missile flew trailing smoke";
    EXPECT_TRUE(waitForScreen(
        window, std::chrono::seconds(40), "Defences.explosion",
        [](const Screenshot& shot) { return countInSky(shot, kExplosionOrange) > 0; }))
        << "no missile blew up";
    EXPECT_TRUE(waitForScreen(window, std::chrono::seconds(60), "Defences.spark",
                              [](const Screenshot& shot) {
                                  return countInRect(shot, kSparkGlow, 0, 0, 319, kBaseline) > 0;
                              }))
        << "the tesla coil never struck";

    // Select the tesla coil, then demolish it. The refund lives one second of
    // game time and rises a pixel every 1/16 s, so look at once and then back
    // to back, and save pictures only afterwards: on a loaded machine (the
    // sanitizer build beside the monkey) moving the mouse away first, waiting
    // for frames between looks or saving a picture each took most of that
    // second.
    window.clickCanvas(kTeslaX, kBaseline - 4);
    window.clickCanvas(GameWindow::buildButton(0));
    const Screenshot sold = window.screenshot();
    // The refund starts at the coil's centre and drifts up and to the right.
    const int left = kTeslaX - 12, right = kTeslaX + 40, top = kBaseline - 60;
    const std::optional<int> textTop = topDifference(empty, sold, left, top, right, kBaseline - 8);
    std::optional<int> laterTop;
    const auto giveUp = Clock::now() + std::chrono::seconds(3);
    while (textTop && Clock::now() < giveUp) {
        laterTop = topDifference(empty, window.screenshot(), left, top, right, kBaseline - 8);
        if (!laterTop || *laterTop < *textTop)
            break;
    }
    sold.save(screenshotPath("Defences.refund"));
    ASSERT_TRUE(textTop.has_value()) << "no refund shown";
    ASSERT_TRUE(laterTop.has_value()) << "the refund vanished before it floated up";
    EXPECT_LT(*laterTop, *textTop) << "the refund did not float up";

    // Once the text has gone, the ground where the coil stood is as it was.
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    const Screenshot cleared = window.screenshot();
    cleared.save(screenshotPath("Defences.demolished"));
    EXPECT_EQ(differences(empty, cleared, kTeslaX - 8, kBaseline - 14, kTeslaX + 8, kBaseline - 1),
              0)
        << "the tesla coil is still there";

    window.pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);
}

TEST(Defences, WithTabHeldTheGameRunsToGameOverAndNoEndsIt) {
    GameFolder folder;
    prepare(folder);
    folder.setSetting("StartingHealth", "3");
    VirtualDisplay display;
    RunningGame game(&display, folder.path());
    GameWindow& window = game.window();

    build(window, 0, kLaserX);
    build(window, 2, kTeslaX);
    window.moveMouse(2 * 160, 2 * 30);
    window.holdKey("Tab");
    // The game-over screen is grey: the sky's blue is gone.
    const std::optional<Screenshot> over = waitForScreen(
        window, std::chrono::seconds(90), "Defences.gameOver", [](const Screenshot& shot) {
            const std::uint32_t sky = shot.canvasPixel(5, 120);
            const int r = sky >> 16 & 0xFF, g = sky >> 8 & 0xFF, b = sky & 0xFF;
            return r == g && g == b;
        });
    window.releaseKey("Tab");
    ASSERT_TRUE(over.has_value()) << "the game never ended";

    clickToQuit(window, 160, 123); // "No": once the game is lost, "Yes" plays again
    EXPECT_EQ(game.waitForExit(), 0);
}

namespace {

// Options that send the real mixer's output to a file: ALSA's file device
// over its null device, which writes 16-bit unsigned stereo at 44.1 kHz. The
// null device keeps no time, and Allegro hands ALSA a buffer at each of its
// 10 ms ticks: 1,024 frames unless told otherwise, which writes the mix 2.3
// times faster than it plays and spreads the sounds apart. 441 frames keep
// the capture in step with the game (allegro.cfg, found through $ALLEGRO).
RunningGame::Options capturedTo(const GameFolder& folder, const std::string& capture) {
    std::ofstream(folder.path() + "/alsa.conf")
        << "pcm.!default { type file slave.pcm { type null } file \"" << capture
        << "\" format \"raw\" }\n";
    std::ofstream(folder.path() + "/allegro.cfg") << "[sound]\nalsa_fragsize = 441\n";
    RunningGame::Options options;
    options.environment["ALSA_CONFIG_PATH"] = folder.path() + "/alsa.conf";
    options.environment["ALLEGRO"] = folder.path();
    return options;
}

// Every sample of the capture, left and right in turn.
std::vector<std::uint16_t> capturedSamples(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint16_t> samples;
    unsigned char bytes[2];
    while (file.read(reinterpret_cast<char*>(bytes), sizeof bytes))
        samples.push_back(static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8));
    return samples;
}

// The mix read back as the sum of both channels about silence.
std::vector<int> capturedMix(const std::string& path) {
    const std::vector<std::uint16_t> samples = capturedSamples(path);
    std::vector<int> mix;
    for (size_t i = 0; i + 1 < samples.size(); i += 2)
        mix.push_back(samples[i] + samples[i + 1] - 2 * 32768);
    return mix;
}

// Where the mix first holds a level beyond the threshold, on the given side
// of silence, for a few milliseconds on end; -1 when it never does.
long firstPlateau(const std::vector<int>& mix, int sign, int threshold) {
    constexpr int kRun = 44100 / 200;
    int run = 0;
    for (size_t i = 0; i < mix.size(); ++i) {
        run = sign * mix[i] > threshold ? run + 1 : 0;
        if (run == kRun)
            return static_cast<long>(i) - kRun + 1;
    }
    return -1;
}

} // namespace

// The real mixer heard through ALSA's file device. The laser and the wave are
// given sounds that cannot be mistaken in the mix, a level held above silence
// and one held below, and the laser is set down before the first wave comes.
TEST(Defences, TheLaserIsHeardAndThenTheWaveWithNothingPrinted) {
    GameFolder folder;
    prepare(folder);
    const auto writeLevel = [&folder](const std::string& name, int16_t level) {
        const std::vector<uint8_t> bytes =
            Synth::waveFile(std::vector<int16_t>(Synth::kSampleRate / 20, level));
        std::ofstream(folder.path() + "/data/" + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    };
    writeLevel("laser_mark.wav", 8000);
    writeLevel("wave_mark.wav", -24000);
    folder.setSetting("SoundLaserShot", "data/laser_mark.wav");
    folder.setSetting("SoundWaveAnnounced", "data/wave_mark.wav");
    const std::string capture = folder.path() + "/capture.raw";

    VirtualDisplay display;
    RunningGame game(&display, folder.path(), capturedTo(folder, capture));
    build(game.window(), 0, kLaserX);

    // The wave's level shows once the countdown is over.
    constexpr int kThreshold = 1000;
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (firstPlateau(capturedMix(capture), -1, kThreshold) < 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    game.window().pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);

    const std::vector<int> mix = capturedMix(capture);
    const long laser = firstPlateau(mix, 1, kThreshold);
    const long wave = firstPlateau(mix, -1, kThreshold);
    EXPECT_GE(laser, 0) << "no laser heard in " << mix.size() << " frames";
    EXPECT_GT(wave, laser) << "no wave heard after the laser";
    EXPECT_EQ(game.output(), "");
    EXPECT_EQ(game.errorOutput(), "");
}

namespace {

// A row of towers along the whole ground, every type in turn, so that the
// pans reach both sides: canvas x of the first one's centre, and from one
// centre to the next.
constexpr int kRowTowers = 15;
constexpr int kRowFirstX = 12;
constexpr int kRowSpacing = 21;
constexpr int kTowerTypes = 3;
// The shipped "TowerNUpgrades" of every type.
constexpr int kTopLevel = 3;
// Frames with Tab held after the row stands. Headless, this row ends wave 26
// some 3,600 frames in at 60 a second; a slower machine only gets further,
// as each of its frames moves the game on by more.
constexpr int kFramesPastALateWave = 3900;

} // namespace

// A busy late game through the real mixer: the row raised to its top level,
// and Tab held until a late wave is over, when the sounds crowd closest. Not
// one sample of the mix reaches either end of the 16-bit range.
TEST(Defences, FifteenTopLevelTowersThroughALateWaveNeverClipTheMix) {
    GameFolder folder;
    folder.setSetting("StartingMoney", "20000");
    folder.setSetting("TimeBetweenWaves", "1");
    // The crowd is the point, not the score: whatever gets through, the game goes on.
    folder.setSetting("StartingHealth", "1000000");
    const std::string capture = folder.path() + "/capture.raw";
    VirtualDisplay display;
    RunningGame game(&display, folder.path(), capturedTo(folder, capture));
    GameWindow& window = game.window();

    for (int i = 0; i < kRowTowers; ++i) {
        const int x = kRowFirstX + kRowSpacing * i;
        build(window, i % kTowerTypes, x);
        window.clickCanvas(x, kBaseline - 4);
        for (int level = 0; level < kTopLevel; ++level)
            window.clickCanvas(layout::upgradeButton(GameWindow::kShippedButtonSpacing));
        window.clickCanvas(x, kBaseline - 4, 3);
    }
    window.moveMouse(2 * 160, 2 * 30);
    window.screenshot().save(screenshotPath("Defences.row"));
    window.holdKey("Tab");
    window.waitForFrames(kFramesPastALateWave);
    window.screenshot().save(screenshotPath("Defences.lateWave"));
    window.releaseKey("Tab");
    window.pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);

    const std::vector<std::uint16_t> samples = capturedSamples(capture);
    ASSERT_FALSE(samples.empty());
    const auto [lowest, highest] = std::minmax_element(samples.begin(), samples.end());
    RecordProperty("lowest", *lowest);
    RecordProperty("highest", *highest);
    EXPECT_GT(*lowest, 0) << std::count(samples.begin(), samples.end(), 0) << " samples at 0";
    EXPECT_LT(*highest, 65535) << std::count(samples.begin(), samples.end(), 65535)
                               << " samples at 65535";
    EXPECT_EQ(game.errorOutput(), "");
}
