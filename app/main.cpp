#include "app/CommandLine.h"
#include "app/DataSearch.h"
#include "app/DefaultScale.h"
#include "app/Engine.h"
#include "app/ExecutablePath.h"
#include "app/GameLoop.h"
#include "app/ProcessEnd.h"
#include "app/ProgramArguments.h"
#include "app/StartupError.h"

#include <allegro.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// The folders on one line, each in full: the player may not know which
// folder the game was started in.
std::string listed(const std::vector<std::string>& folders) {
    std::string text;
    for (const std::string& folder : folders) {
        std::error_code error;
        text += (text.empty() ? "" : ", ") +
                std::filesystem::absolute(std::filesystem::u8path(folder), error).u8string();
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const CommandLine commandLine(programArguments(argc, argv));
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
        std::fputs(CommandLine::helpText(DataSearch::installedData(executablePath())).c_str(),
                   stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::printf("%s\n", CommandLine::versionText().c_str());
        return 0;
    case CommandLine::Action::Refuse:
        reportStartupError({commandLine.problem + " (see groundline --help)"});
        return 2;
    case CommandLine::Action::Play:
        break;
    }

    const DataSearch data(commandLine.dataFolder, executablePath());
    if (data.chosen().empty()) {
        reportStartupError({"found no game data (strings.txt) in " + listed(data.lookedIn())});
        return 1;
    }

    Engine& engine = Engine::instance();
    engine.dataFolder = data.chosen();
    engine.scale = commandLine.scaleGiven ? commandLine.scale : defaultScale();
    engine.scaleGiven = commandLine.scaleGiven;
    engine.soundVolume = commandLine.volume;
    engine.startMuted = commandLine.mute;
    engine.init();

    // --play skips the title, at the difficulty it names or the one last chosen.
    const GameLoop::Opening opening = commandLine.continueGame ? GameLoop::Opening::SavedGame
                                      : commandLine.play       ? GameLoop::Opening::Game
                                                               : GameLoop::Opening::Title;
    GameLoop loop(engine, GameLoop::Quit::Ends, opening,
                  commandLine.playLevel.value_or(engine.options.difficulty));
    while (loop.frame(engine.waitForFrame(loop.resting))) {
    }
    endProcess(0);
}
END_OF_MAIN()
