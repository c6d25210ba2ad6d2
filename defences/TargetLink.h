#pragma once

class Invader;
class Wave;

// A missile's hold on the invader it chases. The wave deletes invaders on its
// own schedule and tells no one, so the link never hands out its pointer
// without first finding it in the current wave's list.
class TargetLink {
  public:
    // Holds the invader, which must be in the session's current wave.
    void set(Invader* invader);
    void clear();

    // The invader, or null once the wave has let it go.
    Invader* get() const;

  private:
    Invader* invader = nullptr;
    // A wave allocates its invaders only when it is built, so an address can
    // come back to life only in a later wave; the wave's number tells them
    // apart even when the new wave also reuses the old one's address.
    const Wave* wave = nullptr;
    int waveNumber = 0;
};
