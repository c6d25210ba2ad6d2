#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// Numbers read and written in the "C" locale, whatever locale the process is
// in: Allegro's keyboard set-up switches it to the player's, where the "." of
// "0.45" would end the number under a decimal comma, yet strings.txt and the
// numbers the game draws use "." whoever plays.
namespace cLocale {

// As strtod reads the text's start, "nan" and "inf" included; 0.0 when no number starts it.
double toReal(const std::string& text);

// As vsnprintf writes into text of this size; the result is always terminated.
void format(char* text, std::size_t size, const char* format, va_list arguments);

} // namespace cLocale
