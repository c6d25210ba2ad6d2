#include "app/CommandLine.h"

#include "game/Controls.h"

#ifndef GROUNDLINE_VERSION
#define GROUNDLINE_VERSION "1.0.0"
#endif

#include <algorithm>

namespace {

// Whether the argument is this long option, alone ("--data") or with its
// value attached ("--data=DIR"), which GNU programs accept alike.
bool isOption(const std::string& argument, const std::string& name) {
    return argument == name || argument.rfind(name + "=", 0) == 0;
}

// Where --help's descriptions start, and so where their later lines go on.
constexpr size_t kHelpColumn = 15;

} // namespace

const std::vector<CommandLine::Option>& CommandLine::options() {
    static const std::vector<Option> all = {
        {"--scale", "N",
         "window pixels per game pixel, 1 to 6; the default, 2, gives a\n640x480 window",
         &CommandLine::readScale},
        {"--data", "DIR", "play the data in DIR, the folder that holds strings.txt",
         &CommandLine::readDataFolder},
        {"--mute", nullptr, "start with the sound off; M turns it on and off",
         &CommandLine::readMute},
        {"--volume", "N",
         "sound volume from 0 (no sound at all) to 100, instead of\nthe one chosen in Options",
         &CommandLine::readVolume},
        {"--play", "[LEVEL]",
         "skip the title screen and play a game at once, easy, normal\nor hard (by default the "
         "one last chosen); Yes to Quit Game?\nthen ends the program",
         &CommandLine::readPlay},
        {"--continue", nullptr,
         "skip the title screen and go on with the game saved at the\n"
         "difficulty last chosen, from the start of the wave it was\n"
         "left in; a new game when there is none",
         &CommandLine::readContinue},
    };
    return all;
}

CommandLine::CommandLine(const std::vector<std::string>& arguments) {
    for (size_t i = 0; i < arguments.size() && action != Action::Refuse; ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            action = Action::ShowHelp;
            return;
        }
        if (argument == "--version") {
            action = Action::ShowVersion;
            continue;
        }

        const auto option =
            std::find_if(options().begin(), options().end(), [&argument](const Option& candidate) {
                return candidate.value ? isOption(argument, candidate.name)
                                       : argument == candidate.name;
            });
        if (option == options().end()) {
            refuse(argument.rfind('-', 0) == 0 ? "unknown option '" + argument + "'"
                                               : "unexpected argument '" + argument + "'");
            break;
        }
        if (!option->value) {
            (this->*option->read)("");
            continue;
        }
        const size_t equals = argument.find('=');
        // "[LEVEL]": the value may be left out, and the next argument is then
        // taken only when it is one.
        if (option->value[0] == '[' && equals == std::string::npos) {
            const bool next = i + 1 < arguments.size() && arguments[i + 1].rfind('-', 0) != 0;
            (this->*option->read)(next ? arguments[++i] : "");
            continue;
        }
        if (equals != std::string::npos)
            (this->*option->read)(argument.substr(equals + 1));
        else if (i + 1 < arguments.size())
            (this->*option->read)(arguments[++i]);
        else
            refuse(std::string(option->name) + " needs a value");
    }
}

void CommandLine::refuse(const std::string& why) {
    action = Action::Refuse;
    problem = why;
}

void CommandLine::readScale(const std::string& value) {
    // Exactly one digit: "3x", " 3" and "03" are typing mistakes, not scales.
    const bool digit = value.size() == 1 && value[0] >= '1' && value[0] <= '0' + kLargestScale;
    if (digit) {
        scale = value[0] - '0';
        scaleGiven = true;
    } else
        refuse("--scale takes a whole number from 1 to " + std::to_string(kLargestScale) +
               ", not '" + value + "'");
}

void CommandLine::readMute(const std::string&) {
    mute = true;
}

void CommandLine::readVolume(const std::string& value) {
    // Digits only, and no more than 100: "50%" or "-3" are mistakes.
    const bool digits =
        !value.empty() && value.size() <= 3 &&
        std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && std::stoi(value) <= kLoudestVolume)
        volume = std::stoi(value);
    else
        refuse("--volume takes a whole number from 0 to " + std::to_string(kLoudestVolume) +
               ", not '" + value + "'");
}

void CommandLine::readPlay(const std::string& value) {
    play = true;
    if (value.empty())
        return;
    playLevel = difficultyNamed(value);
    if (!playLevel)
        refuse("--play takes easy, normal or hard, not '" + value + "'");
}

void CommandLine::readContinue(const std::string&) {
    continueGame = true;
}

void CommandLine::readDataFolder(const std::string& value) {
    if (value.empty())
        refuse("--data needs a folder");
    else
        dataFolder = value;
}

std::string CommandLine::versionText() {
    return std::string("Groundline Defence ") + GROUNDLINE_VERSION;
}

std::string CommandLine::helpText(const std::string& installedData) {
    std::string usage = "Usage: groundline";
    std::string described;
    const auto describe = [&described](const std::string& name, const std::string& text) {
        // A name too long for its column still leaves a space before the text.
        const std::string line = "  " + name + " ";
        described += line + std::string(kHelpColumn - std::min(line.size(), kHelpColumn), ' ');
        for (const char c : text)
            described += c == '\n' ? "\n" + std::string(kHelpColumn, ' ') : std::string(1, c);
        described += "\n";
    };
    for (const Option& option : options()) {
        const std::string name =
            option.value ? std::string(option.name) + " " + option.value : option.name;
        usage += " [" + name + "]";
        describe(name, option.help);
    }
    describe("-h, --help", "show this help and exit");
    describe("--version", "show the version and exit");

    return usage +
           "\n"
           "       groundline --help | --version\n"
           "\n"
           "Squibbles march down the sky; set towers on the ground line and stop them.\n"
           "\n"
           "Options:\n" +
           described +
           "\n"
           "Controls:\n" +
           controlsHelpText() +
           "\n"
           "The game plays the first of these that holds strings.txt:\n"
           "  1. the folder given with --data (and no other when it is given)\n"
           "  2. data/ in the working folder\n"
           "  3. the data installed with the game: " +
           installedData + "\n";
}
