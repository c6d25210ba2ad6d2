#include "window/RunningGame.h"
#include "window/TempFolder.h"
#include "window/VirtualDisplay.h"
#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kInstalled = std::string(INSTALL_ROOT) + INSTALL_PREFIX + "/";
const std::string kInstalledData = kInstalled + DATA_FOLDER;

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The value of a "Key=value" line, or empty when there is none.
std::string valueOf(const std::string& text, const std::string& key) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    return "";
}

std::string desktopEntry() {
    return readFile(kInstalled + APPLICATIONS_FOLDER + "/" + APP_ID + ".desktop");
}

// The program that the desktop entry's Exec line starts, found in the install
// root. A menu runs it with no working folder in particular and no PATH that
// can be counted on, so it must be a full path into the prefix.
std::string gameFromDesktopEntry() {
    const std::string exec = valueOf(desktopEntry(), "Exec");
    EXPECT_EQ(exec.rfind(std::string(INSTALL_PREFIX) + "/", 0), 0u) << "Exec=" << exec;
    return INSTALL_ROOT + exec.substr(0, exec.find(' '));
}

// Buys a laser turret with the first build button, sets it down on the ground
// line at x 100, stops placing, and closes the window: what a player does first.
void placeATowerAndClose(RunningGame& game, const std::string& dataFolder) {
    const int baseline = std::stoi(valueOf(readFile(dataFolder + "/strings.txt"), "TowerBaseline"));
    GameWindow& window = game.window();
    window.moveMouse(2 * 220 + 1, 2 * 150 + 1);
    window.waitForFrames(2);
    const Screenshot before = window.screenshot();

    window.clickCanvas(310, 229);
    window.clickCanvas(100, 150);
    window.clickCanvas(220, 150, 3); // done placing: the right button
    window.waitForFrames(2);
    const Screenshot after = window.screenshot();
    after.save(screenshotPath());
    EXPECT_GT(before.changedCanvasPixels(after, 92, baseline - 12, 16, 12), 20)
        << "no tower on the ground line where the player clicked";
    EXPECT_EQ(before.changedCanvasPixels(after, 212, baseline - 12, 16, 12), 0)
        << "placing did not end";

    window.pressCloseButton();
    EXPECT_EQ(game.waitForExit(), 0);
    EXPECT_EQ(game.errorOutput(), "");
}

} // namespace

TEST(InstalledGame, PlaysItsOwnDataFromAnEmptyFolderAsItsDesktopEntryStartsIt) {
    const TempFolder emptyFolder;
    const VirtualDisplay display;
    RunningGame::Options options;
    options.executable = gameFromDesktopEntry();
    RunningGame game(&display, emptyFolder.path(), options);

    // The menu entry that a desktop shows the window under.
    EXPECT_EQ(game.window().windowClass(),
              "groundline/" + valueOf(desktopEntry(), "StartupWMClass"));
    placeATowerAndClose(game, kInstalledData);
}

TEST(InstalledGame, PlaysTheDataThatDataNames) {
    // A mod: the installed data with a title of its own, so that the window
    // shows whose data is played.
    const TempFolder modFolder;
    fs::copy(kInstalledData, modFolder.path());
    std::string settings = readFile(modFolder.path() + "/strings.txt");
    const std::string shippedTitle = "WindowTitle=" + valueOf(settings, "WindowTitle");
    settings.replace(settings.find(shippedTitle), shippedTitle.size(),
                     "WindowTitle=Groundline mod");
    modFolder.write("strings.txt", settings);

    const TempFolder emptyFolder;
    const VirtualDisplay display;
    RunningGame::Options options;
    options.executable = kInstalled + GAMES_FOLDER + "/groundline";
    options.arguments = {"--data", modFolder.path()};
    RunningGame game(&display, emptyFolder.path(), options);

    EXPECT_EQ(game.window().title(), "Groundline mod");
    placeATowerAndClose(game, modFolder.path());
}
