#pragma once

struct BITMAP;
class SpritePlayer;
class Wave;

// One enemy on the playfield. It does not move by itself: its wave moves it.
class Invader {
  public:
    Invader();
    virtual ~Invader();
    Invader(const Invader&) = delete;
    Invader& operator=(const Invader&) = delete;

    // Animates the invader by dt seconds.
    virtual void update(double dt) = 0;
    virtual void draw(BITMAP* bitmap) = 0;
    // Takes `amount` health points; a kill pays the bounty.
    virtual void damage(int amount) = 0;
    // Whether its wave moves it: false once it has left the block to go its
    // own way, when it neither moves with the block nor turns it.
    virtual bool marching() const { return true; }

    // The middle of the current frame in whole pixels, where the effects that
    // the invader leaves behind are centred.
    int centreX() const;
    int centreY() const;

    double x, y;   // top-left corner of the sprite
    int health;    // above 0 while alive
    int maxHealth; // the health it started with
    SpritePlayer* player;
    double size; // radius of the hit circle, in pixels
    Wave* wave;  // the wave that holds it
    int kind;    // its place in invaderKinds()
};
