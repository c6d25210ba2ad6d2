// The options file as the disk may hand it back: cut short, damaged, from
// another version or another program. Whatever reads must lie within the
// ranges the Options screen offers, and must be what writing it back gives.

#include "app/CommandLine.h"
#include "app/Options.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<Options> options = readOptions(bytes);
    if (!options)
        return 0;
    if (options->volume < 0 || options->volume > CommandLine::kLoudestVolume ||
        options->scale < 1 || options->scale > CommandLine::kLargestScale)
        std::abort();
    // One file, one spelling: anything else that read would be a second
    // format nobody wrote.
    if (writeOptions(*options) != bytes)
        std::abort();
    return 0;
}
