#include "window/RunningGame.h"

#include "window/WindowTestPaths.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// Long enough for the sanitized build to load everything on a busy machine.
constexpr auto kWindowTimeout = std::chrono::seconds(30);

// Frames to see before the game counts as started. Allegro repaints a newly
// mapped window once on its own when the server exposes it; only the main loop
// repaints it again and again.
constexpr int kStartFrames = 3;

std::string readWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

RunningGame::RunningGame(const VirtualDisplay* display, const std::string& workingDirectory,
                         const Options& options) {
    ChildProcess::Launch launch;
    launch.command = {options.executable.empty() ? gameExecutable() : options.executable};
    if (!options.title)
        launch.command.push_back("--play");
    launch.command.insert(launch.command.end(), options.arguments.begin(), options.arguments.end());
    launch.workingDirectory = workingDirectory;
    launch.environment = options.environment;
    // A test that listens to the game names a device of its own.
    launch.environment.emplace("ALSA_CONFIG_PATH",
                               repositoryRoot() + "/tests/window/alsa-silent.conf");
    // The game keeps its best wave in the player's folder: a test's game
    // keeps it beside its output, unless the test names a folder itself.
    launch.environment.emplace("XDG_DATA_HOME", outputFolder.path() + "/records");
    // A test knows a frame by its mark being drawn over, which a still
    // picture would never do.
    if (!options.resting)
        launch.environment.emplace("GROUNDLINE_DRAW_EVERY_FRAME", "1");
    if (display) {
        displayName = display->name();
        launch.environment["DISPLAY"] = displayName;
    } else {
        launch.environment["DISPLAY"] = std::nullopt;
    }
    launch.outputPath = outputFolder.path() + "/stdout.txt";
    launch.errorPath = outputFolder.path() + "/stderr.txt";
    process = std::make_unique<ChildProcess>(launch);
}

RunningGame::RunningGame(const VirtualDisplay* display, const std::string& workingDirectory)
    : RunningGame(display, workingDirectory, Options()) {}

RunningGame::~RunningGame() {
    // Close the X connection before the game and then the display go away.
    gameWindow.reset();
    process->stop();
}

GameWindow& RunningGame::window() {
    if (!gameWindow) {
        if (displayName.empty())
            throw std::logic_error("the game was started without a display");
        try {
            gameWindow = std::make_unique<GameWindow>(displayName, *process, kWindowTimeout);
            gameWindow->waitForFrames(kStartFrames);
        } catch (const std::runtime_error& failure) {
            gameWindow.reset();
            throw std::runtime_error(std::string(failure.what()) + "; its standard error:\n" +
                                     errorOutput());
        }
    }
    return *gameWindow;
}

int RunningGame::waitForExit(std::chrono::milliseconds timeout) {
    const std::optional<int> status = process->waitForExit(timeout);
    if (!status) {
        process->stop();
        throw std::runtime_error(process->name() + " was still running after " +
                                 std::to_string(timeout.count()) + " ms; killed it");
    }
    return *status;
}

std::string RunningGame::output() const {
    return readWhole(outputFolder.path() + "/stdout.txt");
}

std::string RunningGame::errorOutput() const {
    return readWhole(outputFolder.path() + "/stderr.txt");
}
