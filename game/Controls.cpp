#include "game/Controls.h"

#include "game/TowerType.h"

#include <allegro.h>

#include <algorithm>

namespace {
// Where --help's actions start, past the longest keys.
constexpr size_t kHelpActionColumn = 18;
} // namespace

std::string keyLabel(int scanCode) {
    if (scanCode >= KEY_A && scanCode <= KEY_Z)
        return std::string(1, static_cast<char>('A' + scanCode - KEY_A));
    if (scanCode >= KEY_0 && scanCode <= KEY_9)
        return std::string(1, static_cast<char>('0' + scanCode - KEY_0));
    return "?";
}

std::vector<Control> controls() {
    std::string towerKeys;
    for (const TowerType& type : towerTypes())
        towerKeys += (towerKeys.empty() ? "" : ", ") + keyLabel(type.key);
    return {
        {towerKeys, "choose that tower, then click the ground"},
        {"Left click", "choose, build, select, answer"},
        {"Right click", "stop placing, or let a tower go"},
        {"U", "raise the selected tower a level"},
        {"Delete", "sell the selected tower for half"},
        {"P, Pause", "pause the game, and go on"},
        {"Tab (hold)", "run the game eight times as fast"},
        {"Escape", "open or close the quit dialog"},
        {"Enter, Y, N", "answer the dialog"},
        {"M", "turn the sound off or on"},
        {"D", "show or hide the debug overlay"},
    };
}

std::string controlsHelpText() {
    std::string text;
    for (const Control& control : controls()) {
        // Keys too long for their column still leave a space before the action.
        const std::string keys = "  " + control.keys + " ";
        text += keys +
                std::string(kHelpActionColumn - std::min(keys.size(), kHelpActionColumn), ' ') +
                control.action + "\n";
    }
    return text;
}
