#pragma once

#include <string>

// The player's folder for the game's records: $XDG_DATA_HOME/groundline (when
// set and absolute, as freedesktop.org asks) or $HOME/.local/share/groundline on
// Linux, %APPDATA%\Groundline on Windows; empty when the environment names
// none. Spelt in UTF-8 on Windows, where RecordFile reads it back the same way.
std::string recordFolder();
