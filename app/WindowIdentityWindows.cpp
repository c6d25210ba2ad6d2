#include "app/WindowIdentity.h"

// Windows takes a program's icon and its taskbar grouping from the program
// itself, not from the window; there is nothing to declare.
void WindowIdentity::declare() {}
