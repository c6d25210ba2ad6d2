#pragma once

// A locale that writes 3.5 as "3,5", made by the tests themselves so that no
// system locale need be installed. Header-only: the window test and the
// headless tests of reading and drawing numbers share it, on Linux and under
// Wine alike.

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace decimalComma {

#if defined(_WIN32)

// Windows knows its locales by name, with no files to make.
constexpr const char* kLocaleName = "German_Germany.1252";

// While it lives, the process runs in the locale, as a German player's would.
class SwitchedProcess {
  public:
    explicit SwitchedProcess(const std::string&) {
        switched = std::setlocale(LC_ALL, kLocaleName) != nullptr;
    }
    ~SwitchedProcess() { std::setlocale(LC_ALL, "C"); }
    SwitchedProcess(const SwitchedProcess&) = delete;
    SwitchedProcess& operator=(const SwitchedProcess&) = delete;

    bool switched = false;
};

#else

constexpr const char* kLocaleName = "de_DE.UTF-8";

// Compiles the locale into the folder, the value LOCPATH then takes. False
// when localedef (Debian's "locales" package) could not make it.
inline bool makeLocale(const std::string& folder) {
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + folder + "/" + kLocaleName + "' >/dev/null 2>&1";
    // localedef may report warnings with a non-zero status and still write
    // the locale: what it wrote is what counts.
    const int ignoredStatus = std::system(command.c_str());
    (void)ignoredStatus;
    return std::filesystem::exists(folder + "/" + kLocaleName + "/LC_NUMERIC");
}

// While it lives, the process runs in the locale, taken from the environment
// as Allegro's keyboard set-up takes a German player's: setlocale(LC_ALL, "").
class SwitchedProcess {
  public:
    explicit SwitchedProcess(const std::string& folder) {
        if (!makeLocale(folder))
            return;
        setenv("LOCPATH", folder.c_str(), 1);
        setenv("LC_ALL", kLocaleName, 1);
        switched = std::setlocale(LC_ALL, "") != nullptr;
    }
    ~SwitchedProcess() {
        std::setlocale(LC_ALL, "C");
        unsetenv("LC_ALL");
        unsetenv("LOCPATH");
    }
    SwitchedProcess(const SwitchedProcess&) = delete;
    SwitchedProcess& operator=(const SwitchedProcess&) = delete;

    bool switched = false;
};

#endif

} // namespace decimalComma
