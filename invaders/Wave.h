#pragma once

#include <list>

struct BITMAP;
class GameSession;
class Invader;
class TargetLink;

// One attack: invaders that appear, move and are fought together until none
// is left. The wave owns its invaders.
class Wave {
  public:
    Wave() = default;
    // Deletes the invaders and lets go of every link to them.
    virtual ~Wave();
    Wave(const Wave&) = delete;
    Wave& operator=(const Wave&) = delete;

    // Deletes the invaders whose health is 0 or less, clearing the links that
    // hold them.
    virtual void update(double dt);

    // Draws every invader in list order.
    void drawAll(BITMAP* bitmap);

    // The links that hold invaders of this wave join and leave its list here.
    void hold(TargetLink* link);
    void release(TargetLink* link);

    std::list<Invader*> invaders;
    // The game it is played in, which its invaders pay into and cost health
    // in; none for a wave on its own, which changes nothing outside itself.
    GameSession* game = nullptr;

  private:
    // Clears every link that holds the invader, which is about to be deleted.
    void forget(const Invader* invader);

    // The first of the links that hold this wave's invaders.
    TargetLink* links = nullptr;
};
