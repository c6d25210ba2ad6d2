#include "app/DefaultScale.h"

#include "app/CommandLine.h"
#include "game/Layout.h"

// In a file of its own: windows.h and allegro.h define clashing names.
#include <windows.h>

#include <algorithm>

int defaultScale() {
    // The work area leaves out the taskbar; the frame is what a window with a
    // title bar and a close button adds around its picture.
    RECT workArea{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0))
        return CommandLine::kDefaultScale;
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    const long roomAcross = (workArea.right - workArea.left) - (frame.right - frame.left);
    const long roomDown = (workArea.bottom - workArea.top) - (frame.bottom - frame.top);
    const long fits = std::min(roomAcross / layout::kCanvasWidth, roomDown / layout::kCanvasHeight);
    return static_cast<int>(std::clamp(fits, 1L, static_cast<long>(CommandLine::kLargestScale)));
}
