#include "app/ProgramArguments.h"

#include "app/WideText.h"

// In a file of its own: windows.h and allegro.h define clashing names.
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

std::vector<std::string> programArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(utf8Text(wide[i]));
    LocalFree(wide);
    return arguments;
}
