#pragma once

#include <optional>
#include <string>

// Where the best number of waves defeated is kept between games. The game
// asks for it at game over and hands it each result; this one keeps nothing,
// as the sim, the tests, the fuzzers and the tools want: they never write
// into a player's folders.
class Records {
  public:
    virtual ~Records() = default;

    // The most waves defeated in a game played with these settings; 0 when none is kept.
    virtual int bestWaves() const;
    // Keeps max(wavesDefeated, the best so far) for these settings.
    virtual void keep(int wavesDefeated);

    // The game in progress with these settings, saved as a small text file
    // (see SavedGame) beside the record, so that a closed window, a crash or
    // a dropped tab costs at most the wave being played.
    // The saved bytes, or none when there is no save.
    virtual std::optional<std::string> readSave();
    // Keeps the bytes in place of the last save, whole or not at all.
    virtual void writeSave(const std::string& bytes);
    // Forgets the save: the game it held is lost.
    virtual void dropSave();
    // Moves a save that does not read out of the way, kept under another
    // name for a bug report; where it was kept, or empty when it was not.
    virtual std::string setSaveAside();
    // What a save written with these settings carries to say so: the
    // settings' hash, or empty where nothing is kept.
    virtual std::string settingsHash() const;

    // The kinds of invader met with these settings (see Meetings), kept
    // beside the record as the save is: the bytes, or none when none are kept.
    virtual std::optional<std::string> readMeetings();
    virtual void writeMeetings(const std::string& bytes);
};
