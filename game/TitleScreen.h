#pragma once

#include "app/Difficulty.h"
#include "game/Cloud.h"
#include "game/Menu.h"
#include "game/Screen.h"

#include <vector>

// The program's front door: the game's name over the live sky, and the way
// into a game at the chosen difficulty, How to Play, Options and, where a
// program can end, Quit.
class TitleScreen : public Screen {
  public:
    // The lines of its menu, in order; Quit only where offered.
    enum Choice { Play, HowToPlay, Options, Quit };

    // canQuit: whether the menu offers Quit (a page cannot close its tab).
    TitleScreen(Engine& engine, bool canQuit);

    void update(double dt, bool fastForward) override;
    void draw() override;
    bool calm() const override { return true; }

    // The difficulty Play starts, as last chosen.
    Difficulty difficulty() const;

    Menu menu;

  private:
    void stepDifficulty(bool harder);
    // Play's line, with the difficulty shown beside it.
    void showDifficulty();

    std::vector<Cloud> clouds;
};
