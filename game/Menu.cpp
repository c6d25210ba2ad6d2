#include "game/Menu.h"

#include "app/Engine.h"
#include "effects/TextImage.h"
#include "game/Layout.h"
#include "gfx/BitmapFont.h"

#include <allegro.h>

namespace {

// The palette's darkest blue, under the lines, and its white, round them.
constexpr int kPlateRed = 0x1d, kPlateGreen = 0x2b, kPlateBlue = 0x53;
constexpr int kRimRed = 0xff, kRimGreen = 0xf1, kRimBlue = 0xe8;
constexpr int kPlateMargin = 4;
// The hint line, on the strip under the ground.
constexpr int kHintY = 222;

} // namespace

void drawHeading(BITMAP* canvas, const Engine& engine, const char* text, int y) {
    BITMAP* heading = renderTextImage(engine.fontMainRed, text);
    masked_stretch_blit(heading, canvas, 0, 0, heading->w, heading->h,
                        layout::kCanvasWidth / 2 - heading->w, y, 2 * heading->w, 2 * heading->h);
    destroy_bitmap(heading);
}

void drawHint(BITMAP* canvas, const Engine& engine, const char* text) {
    engine.fontSmall->drawTextCentred(canvas, layout::kCanvasWidth / 2, kHintY, text);
}

int plateColour() {
    return makecol(kPlateRed, kPlateGreen, kPlateBlue);
}

void drawPanel(BITMAP* canvas, int left, int top, int right, int bottom) {
    rectfill(canvas, left, top, right, bottom, plateColour());
    rect(canvas, left, top, right, bottom, makecol(kRimRed, kRimGreen, kRimBlue));
}

std::vector<std::string> wrapText(const BitmapFont& font, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && font.textWidth(longer.c_str()) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

Menu::Action Menu::handle(const Engine& engine, int scanCode, bool leftClick) {
    const int count = static_cast<int>(lines.size());
    if (count == 0)
        return Action::None;
    // Where the pointer rests when the menu first shows is no choice.
    const bool pointerMoved =
        lastMouseX >= 0 && (engine.mouseX != lastMouseX || engine.mouseY != lastMouseY);
    lastMouseX = engine.mouseX;
    lastMouseY = engine.mouseY;
    for (int line = 0; line < count; ++line) {
        if (!engine.mouseInRect(layout::menuLine(line)))
            continue;
        if (pointerMoved || leftClick)
            chosen = line;
        if (!leftClick)
            break;
        if (lines[line].value.empty() || engine.mouseInRect(layout::menuLabel(line)))
            return Action::Choose;
        return engine.mouseInRect(layout::menuLeftArrow(line)) ? Action::StepDown : Action::StepUp;
    }

    switch (scanCode) {
    case KEY_UP:
        chosen = (chosen + count - 1) % count;
        break;
    case KEY_DOWN:
        chosen = (chosen + 1) % count;
        break;
    case KEY_LEFT:
        return lines[chosen].value.empty() ? Action::None : Action::StepDown;
    case KEY_RIGHT:
        return lines[chosen].value.empty() ? Action::None : Action::StepUp;
    case KEY_ENTER:
    case KEY_ENTER_PAD:
        return Action::Choose;
    default:
        break;
    }
    return Action::None;
}

void Menu::draw(BITMAP* canvas, const Engine& engine) const {
    const int count = static_cast<int>(lines.size());
    if (count == 0)
        return;
    const layout::Rect first = layout::menuLine(0);
    const layout::Rect last = layout::menuLine(count - 1);
    const int left = first.x - kPlateMargin;
    const int top = first.y - kPlateMargin;
    const int right = first.x + first.width + kPlateMargin;
    const int bottom = last.y + last.height + kPlateMargin;
    drawPanel(canvas, left, top, right, bottom);

    for (int line = 0; line < count; ++line) {
        const BitmapFont* font = line == chosen ? engine.fontMainRed : engine.fontMain;
        const int y = layout::kMenuTop + line * layout::kMenuLineHeight;
        const Line& shown = lines[line];
        if (shown.value.empty()) {
            font->drawTextCentred(canvas, layout::menuLine(line).centreX(), y, shown.label.c_str());
            continue;
        }
        const layout::Rect label = layout::menuLabel(line);
        font->drawTextRight(canvas, label.x + label.width, y, shown.label.c_str());
        font->drawTextCentred(canvas, layout::menuLeftArrow(line).centreX(), y, "<");
        font->drawTextCentred(canvas, layout::menuValue(line).centreX(), y, shown.value.c_str());
        font->drawTextCentred(canvas, layout::menuRightArrow(line).centreX(), y, ">");
    }
}
