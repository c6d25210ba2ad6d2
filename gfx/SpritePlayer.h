#pragma once

#include <deque>

struct BITMAP;
class SpriteSheet;

// One object's playback of a shared sheet: the current animation, the time
// spent in its cycle, and the animations queued to follow it.
class SpritePlayer {
  public:
    // Starts on animation 0, the resting loop. The sheet is shared, not owned.
    explicit SpritePlayer(const SpriteSheet* sheet);

    // Moves on by dt seconds. At most one cycle ends per call; then the next
    // queued animation, if any, takes over with the time left over.
    void advance(float dt);

    // Switches to the animation at time 0; the queue stays as it is.
    void setAnimation(int index);

    // Plays `index` once, then `next` in a loop.
    void playThen(int index, int next);

    // Draws the current frame with its top-left corner at (x, y).
    void draw(BITMAP* bitmap, int x, int y) const;

    // Size of the current frame in pixels; 0 without a sheet or frame.
    int frameWidth() const;
    int frameHeight() const;

    const SpriteSheet* sheet;
    float time = 0.0f;
    int animation = 0;
    std::deque<int> queue;

  private:
    BITMAP* currentFrame() const;
};
