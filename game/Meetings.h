#pragma once

class Engine;
class Records;

// The kinds of invader this player has ever met, kept with the record of the
// settings in play, so that each mod and difficulty introduces its own kinds
// once. It is kept as a record of its own beside the best wave's: a file in
// the same folder on the desktop, a key of the page's storage in a browser.
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

    // How many kinds can be remembered: the record holds a number up to a
    // million, one bit a kind. Kinds past these are never introduced.
    static constexpr int kRememberedKinds = 19;

  private:
    Records* kept;
    int known = 0;
};
