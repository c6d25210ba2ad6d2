#pragma once

#include <list>

struct BITMAP;
class Invader;

// One attack: invaders that appear, move and are fought together until none
// is left. The wave owns its invaders.
class Wave {
  public:
    Wave() = default;
    virtual ~Wave();
    Wave(const Wave&) = delete;
    Wave& operator=(const Wave&) = delete;

    // Deletes the invaders whose health is 0 or less.
    virtual void update(double dt);

    // Draws every invader in list order.
    void drawAll(BITMAP* bitmap);

    std::list<Invader*> invaders;
};
