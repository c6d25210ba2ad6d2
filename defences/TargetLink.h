#pragma once

class GameSession;
class Invader;
class Wave;

// A missile's hold on the invader it chases. The link joins its wave's list of
// links, and the wave clears it when it deletes that invader or is itself
// deleted, so the link never hands out a deleted invader and never has to
// search the wave for it.
class TargetLink {
  public:
    TargetLink() = default;
    ~TargetLink();
    TargetLink(const TargetLink&) = delete;
    TargetLink& operator=(const TargetLink&) = delete;

    // Holds the invader, which must be in the game's current wave.
    void set(const GameSession* game, Invader* invader);
    void clear();

    // The invader, or null once the wave has let it go or another wave is on.
    Invader* get() const;

  private:
    friend class Wave;

    Invader* invader = nullptr;
    const GameSession* game = nullptr;
    // The wave whose list the link is in; the wave's number as well, since a
    // later wave can be built at the same address.
    Wave* wave = nullptr;
    int waveNumber = 0;

    // Neighbours in the wave's list of links.
    TargetLink* previous = nullptr;
    TargetLink* next = nullptr;
};
