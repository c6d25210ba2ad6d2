#pragma once

#include "game/Cloud.h"
#include "game/Menu.h"
#include "game/Screen.h"

#include <vector>

// The sound's volume and mute and, where there is a window to size, its
// scale; each change is heard or seen at once and kept for the next run.
class OptionsScreen : public Screen {
  public:
    enum Choice { Volume, Sound, Scale, Back };

    // withScale: whether a window's scale may be changed (not on a page).
    OptionsScreen(Engine& engine, bool withScale);

    void update(double dt, bool fastForward) override;
    void draw() override;
    bool calm() const override { return true; }

    Menu menu;

  private:
    // Steps the chosen line's value, applies it and keeps the options.
    void step(int line, bool up);
    // Each line's value as the options say.
    void showValues();
    // The choice on a line, Back being the last whether or not Scale is there.
    Choice choiceOn(int line) const;

    const bool withScale;
    std::vector<Cloud> clouds;
};
