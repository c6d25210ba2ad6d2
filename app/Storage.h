#pragma once

#include <optional>
#include <string>

class Records;

// Where the game keeps what outlives a run: the best wave of each set of
// settings, and the options. This one keeps nothing, as the sim, the tests,
// the fuzzers and the tools want: they never write into a player's folders.
class Storage {
  public:
    virtual ~Storage() = default;
    // The record of the settings with these bytes, made on the first call
    // and the same one after; null when none is kept.
    virtual Records* records(const std::string& settingsBytes);
    // The options as kept, or none.
    virtual std::optional<std::string> readOptions();
    // Keeps the options in place of the last ones.
    virtual void writeOptions(const std::string& bytes);
};
