#pragma once

// What a desktop knows the game's window by: the class that the menu entry's
// StartupWMClass names, so that the window is matched to its entry, and the
// game's own icon. Declared before the window opens.
class WindowIdentity {
  public:
    // The instance and class names of the window, as WM_CLASS shows them.
    static constexpr const char* kInstanceName = "groundline";
    static constexpr const char* kClassName = "Groundline";

    // Before set_gfx_mode: the window is made with both.
    static void declare();
};
