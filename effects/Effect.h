#pragma once

struct BITMAP;

// A short-lived picture on the playfield with no influence on play. The
// session's effect list ages every effect each step and deletes it once its
// age reaches its lifetime.
class Effect {
  public:
    Effect() = default;
    virtual ~Effect() = default;
    // Kinds own bitmaps and players; an effect is never copied.
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;

    // Adds dt seconds to the age; kinds do their own work around it.
    virtual void update(double dt);

    // Draws the effect onto the playfield bitmap.
    virtual void draw(BITMAP* bitmap) = 0;

    double age = 0.0;      // seconds since creation
    double lifetime = 0.0; // seconds the effect lasts
};
