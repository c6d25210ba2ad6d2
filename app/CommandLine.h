#pragma once

#include "app/Difficulty.h"

#include <optional>
#include <string>
#include <vector>

// What the player asked for on the command line. Reading it never exits or
// prints: main decides what to say, so that the reading can be tested alone.
class CommandLine {
  public:
    enum class Action { Play, ShowHelp, ShowVersion, Refuse };

    // The arguments after the program's name.
    explicit CommandLine(const std::vector<std::string>& arguments);

    Action action = Action::Play;

    // Window pixels per canvas pixel, and whether --scale gave it.
    int scale = kDefaultScale;
    bool scaleGiven = false;
    // Whether --play skips the title screen, and the difficulty it named.
    bool play = false;
    std::optional<Difficulty> playLevel;
    // Whether --continue goes straight into the saved game.
    bool continueGame = false;
    // The folder given with --data; empty when none was.
    std::string dataFolder;
    // Whether --mute was given, and the --volume, or -1 when none was.
    bool mute = false;
    int volume = -1;
    // Why the arguments were refused, in one line.
    std::string problem;

    static constexpr int kDefaultScale = 2;
    static constexpr int kLargestScale = 6;
    static constexpr int kLoudestVolume = 100;

    // "Groundline Defence 1.0.0".
    static std::string versionText();

    // The text of --help. installedData is where this copy's own data would be.
    static std::string helpText(const std::string& installedData);

  private:
    // An option of the game's own: its name, the word --help shows for its
    // value (null for an option that takes none), what --help says of it, and
    // what reading it does. Adding an option is a row of options() and the
    // field it sets.
    struct Option {
        const char* name;
        const char* value;
        const char* help;
        void (CommandLine::*read)(const std::string& value);
    };
    static const std::vector<Option>& options();

    void refuse(const std::string& why);
    void readScale(const std::string& value);
    void readDataFolder(const std::string& value);
    void readMute(const std::string& value);
    void readVolume(const std::string& value);
    void readPlay(const std::string& value);
    void readContinue(const std::string& value);
};
