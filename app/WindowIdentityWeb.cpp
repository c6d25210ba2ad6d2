#include "app/WindowIdentity.h"

// A page has no window of its own to name: the browser shows the page's
// title and icon.
void WindowIdentity::declare() {}
