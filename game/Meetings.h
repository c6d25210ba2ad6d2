#pragma once

#include <optional>
#include <string>
#include <vector>

class Engine;
class Records;

// The kinds of invader this player has ever met, kept beside the record of
// the settings in play, so that each mod and difficulty introduces its own
// kinds once. On disk, met-HASH.txt names them by their keys' prefix:
//
//     groundline met 1
//     Invader1
//     Invader2
//
// Where nothing is kept, every kind is new to every run.
class Meetings {
  public:
    // The memory of the settings that the engine has laid now.
    explicit Meetings(Engine& engine);

    // Whether the player has met the kind before.
    bool met(int kind) const;
    // Remembers the kind as met, at once, so that a game that never ends
    // still does not introduce it again.
    void meet(int kind);

  private:
    // The kinds met as the bytes tell them, one flag a kind; none when the
    // bytes are not such a file.
    static std::optional<std::vector<bool>> read(const std::string& bytes);
    static std::string write(const std::vector<bool>& met);
    // What is kept now, which another copy of the game may have added to.
    std::vector<bool> kept() const;

    Records* records;
    std::vector<bool> known;
};
