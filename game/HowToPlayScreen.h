#pragma once

#include "game/Cloud.h"
#include "game/Screen.h"

#include <vector>

// How the game is played: the controls, over the sky. Any key or click goes
// back to the title.
class HowToPlayScreen : public Screen {
  public:
    explicit HowToPlayScreen(Engine& engine);

    void update(double dt, bool fastForward) override;
    void draw() override;

  private:
    std::vector<Cloud> clouds;
};
