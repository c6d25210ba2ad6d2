#pragma once

#include <string>

// The running program itself, links resolved, wherever it was started from,
// in UTF-8; empty when the system will not say.
std::string executablePath();
