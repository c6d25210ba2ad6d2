#pragma once

#include <string>

// The running program itself, links resolved, wherever it was started from;
// empty when the system will not say.
std::string executablePath();
