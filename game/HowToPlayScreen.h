#pragma once

#include "game/Cloud.h"
#include "game/Screen.h"

#include <string>
#include <vector>

class SpriteSheet;

// How the game is played, over the sky, a page at a time: the controls, then
// a page for each tower and each kind of invader that the settings give a
// blurb, walked from their tables, so that a mod's new tower or kind has its
// page as soon as it has its blurb. Right, Space, Enter or a click turn on,
// Left or a right click turn back; Escape, or turning past the last page,
// goes back to the title.
class HowToPlayScreen : public Screen {
  public:
    explicit HowToPlayScreen(Engine& engine);

    void update(double dt, bool fastForward) override;
    void draw() override;
    bool calm() const override { return true; }

    // What a page shows: the controls, or the tower or kind of that index.
    struct Page {
        enum Subject { Controls, Tower, Invader } subject;
        int index;
    };
    std::vector<Page> pages;
    int page = 0;

  private:
    void drawControls();
    void drawTower(int type);
    void drawInvader(int kind);
    // A page's picture, name, figures and blurb, on its plate.
    void drawEntry(const SpriteSheet* picture, const std::string& name, const std::string& figures,
                   const std::string& blurb);

    std::vector<Cloud> clouds;
};
