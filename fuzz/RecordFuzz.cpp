// A best-wave record as the disk may hand it back: cut short, damaged, from
// another version or another program. Whatever reads must be a number the
// game can show, and must be what writing it back gives.

#include "app/RecordFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<int> waves = readRecord(bytes);
    if (!waves)
        return 0;
    if (*waves < 0 || *waves > kMostWaves)
        std::abort();
    // One record, one spelling: anything else that read would be a second
    // format nobody wrote.
    if (writeRecord(*waves) != bytes)
        std::abort();
    return 0;
}
