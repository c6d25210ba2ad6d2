#pragma once

#include <string>
#include <vector>

struct BITMAP;
class BitmapFont;
class Engine;

// A screen's heading, or the game's name, at twice the size of its red font,
// centred at the top.
void drawHeading(BITMAP* canvas, const Engine& engine, const char* text, int y);
// What the screen's keys do, in the small font, centred on the strip under
// the ground.
void drawHint(BITMAP* canvas, const Engine& engine, const char* text);
// The palette's darkest blue, which the screens' plates are filled with so
// that text reads over the sky.
int plateColour();
// A plate with a rim of the palette's white, from (left, top) to (right,
// bottom) inclusive: what every dialog, card and caption stands on.
void drawPanel(BITMAP* canvas, int left, int top, int right, int bottom);
// The text broken at spaces into lines no wider than width in the font; a
// word wider than that stands on a line of its own.
std::vector<std::string> wrapText(const BitmapFont& font, const std::string& text, int width);

// A column of choices on the screens around the game, played by the arrow
// keys, Enter and the mouse alike: up and down choose a line, left and right
// step its value, Enter or a click on its label takes it. The lines stand
// where layout::menuLine puts them.
class Menu {
  public:
    // One line: its label, and its value ("Normal"), or none.
    struct Line {
        std::string label;
        std::string value;
    };
    // What the player did with the menu in this frame.
    enum class Action { None, Choose, StepDown, StepUp };

    // The key (a scan code, 0 for none) and the mouse of this frame. Moving
    // the pointer over a line chooses it as the arrow keys do.
    Action handle(const Engine& engine, int scanCode, bool leftClick);

    // The lines on a plate that reads over the sky, the chosen one in red.
    void draw(BITMAP* canvas, const Engine& engine) const;

    std::vector<Line> lines;
    int chosen = 0;

  private:
    // Where the pointer was, so that a still pointer leaves the keys' choice
    // be; none before the first frame.
    int lastMouseX = -1;
    int lastMouseY = -1;
};
