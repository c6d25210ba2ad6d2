#pragma once

#include <string>

// Windows' wide text, UTF-16, to and from the UTF-8 the game carries all its
// text and file names in. Only the Windows shims need it.
std::wstring wideText(const std::string& utf8);
std::string utf8Text(const std::wstring& wide);
