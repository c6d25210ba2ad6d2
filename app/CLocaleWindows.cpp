#include "app/CLocale.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>

namespace {

_locale_t cLocaleHandle() {
    static const _locale_t handle = _create_locale(LC_ALL, "C");
    return handle;
}

bool startsWithWord(const char* text, const char* word) {
    const std::size_t length = std::strlen(word);
    return _strnicmp(text, word, length) == 0;
}

// msvcrt's strtod reads neither "nan" nor "inf"; a modder's "inf" must mean on
// Windows what it means on Linux, where the game's limits catch it.
bool readsSpecial(const char* text, double& value) {
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    if (startsWithWord(text, "inf"))
        value = std::numeric_limits<double>::infinity();
    else if (startsWithWord(text, "nan"))
        value = std::numeric_limits<double>::quiet_NaN();
    else
        return false;
    value = negative ? -value : value;
    return true;
}

} // namespace

double cLocale::toReal(const std::string& text) {
    double special = 0.0;
    if (readsSpecial(text.c_str(), special))
        return special;
    return _strtod_l(text.c_str(), nullptr, cLocaleHandle());
}

void cLocale::format(char* text, std::size_t size, const char* format, va_list arguments) {
    if (size == 0)
        return;
    // Unlike vsnprintf, a cut text is left unterminated.
    _vsnprintf_l(text, size, format, cLocaleHandle(), arguments);
    text[size - 1] = '\0';
}
