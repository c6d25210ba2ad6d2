#include "app/CLocale.h"

#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

locale_t cLocaleHandle() {
    static const locale_t handle = newlocale(LC_ALL_MASK, "C", nullptr);
    return handle;
}

} // namespace

double cLocale::toReal(const std::string& text) {
    return strtod_l(text.c_str(), nullptr, cLocaleHandle());
}

void cLocale::format(char* text, std::size_t size, const char* format, va_list arguments) {
    const locale_t previous = uselocale(cLocaleHandle());
    std::vsnprintf(text, size, format, arguments);
    uselocale(previous);
}
