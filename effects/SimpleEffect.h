#pragma once

#include "effects/Effect.h"

class SpriteSheet;
class SpritePlayer;

// One cycle of a sheet's animation 0 centred on a point, after an optional
// delay: poofs, explosions, smoke puffs.
class SimpleEffect : public Effect {
  public:
    SimpleEffect(int x, int y, const SpriteSheet* sheet, double delay);
    ~SimpleEffect() override;

    void update(double dt) override;
    void draw(BITMAP* bitmap) override;

    double x, y; // top-left corner of the sprite
    SpritePlayer* player;
    double delay; // seconds before the animation appears and starts

  private:
    void advancePlayer(float dt);

    float cycle;     // seconds of the one cycle played; 0 for none
    float lastFrame; // a player time that shows the cycle's last frame
};
