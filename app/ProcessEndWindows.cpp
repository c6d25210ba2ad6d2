#include "app/ProcessEnd.h"

// In a file of its own: windows.h and allegro.h define clashing names.
#include <windows.h>

#include <cstdio>

void endProcess(int status) {
    // Nothing after this runs: no exit handler, no library's shutdown, and
    // no stdio buffer flushed but here.
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
    // Should the system return from ending its own caller after all.
    ExitProcess(static_cast<UINT>(status));
}
