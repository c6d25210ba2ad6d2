#include "app/ErrorWindow.h"

#include "app/WideText.h"

// In a file of its own: windows.h and allegro.h define clashing names.
#include <windows.h>

void showErrorWindow(const std::string& text) {
    // On top, since the game's own window may be open behind it.
    MessageBoxW(nullptr, wideText(text).c_str(), L"Groundline Defence",
                MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
}
