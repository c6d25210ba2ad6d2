#pragma once

#include "app/Difficulty.h"
#include "game/Cloud.h"
#include "game/Menu.h"
#include "game/Screen.h"

#include <vector>

// The program's front door: the game's name over the live sky, and the way
// into a game at the chosen difficulty, the saved game of that difficulty
// when there is one, How to Play, Options and, where a program can end, Quit.
class TitleScreen : public Screen {
  public:
    // What the lines of its menu do. Without a save the lines are Play, How
    // to Play, Options and Quit, where offered, in that order, so a choice
    // is also its line; with one, Continue stands above them.
    enum Choice { Play, HowToPlay, Options, Quit, Continue };

    // canQuit: whether the menu offers Quit (a page cannot close its tab).
    TitleScreen(Engine& engine, bool canQuit);

    void update(double dt, bool fastForward) override;
    void draw() override;
    bool calm() const override { return true; }

    // The difficulty Play starts, as last chosen.
    Difficulty difficulty() const;
    // Whether the player chose Continue rather than Play.
    bool continuing() const { return continued; }
    // The wave the saved game of the chosen difficulty goes on from; 0 when
    // there is none.
    int savedWave() const { return savedAt; }

    Menu menu;

  private:
    void stepDifficulty(bool harder);
    // Play's line, with the difficulty shown beside it, and Continue's when
    // that difficulty has a save.
    void showDifficulty();
    Choice choiceAt(int line) const;

    std::vector<Cloud> clouds;
    std::vector<Choice> choices;
    int savedAt = 0;
    bool continued = false;
};
