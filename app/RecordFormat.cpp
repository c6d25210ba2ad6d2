#include "app/RecordFormat.h"

#include <cstdint>

namespace {

const std::string kHeader = "groundline record 1\nbestWaves=";

// kMostWaves has seven digits; more can only be damage, and would overflow.
constexpr std::size_t kMostDigits = 7;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// FNV-1a, 64 bits: a published hash with fixed constants, unlike std::hash,
// which each standard library may define as it likes.
std::uint64_t fnv1a64(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    return hash;
}

} // namespace

std::optional<int> readRecord(const std::string& bytes) {
    if (bytes.compare(0, kHeader.size(), kHeader) != 0)
        return std::nullopt;
    // The number and the newline that ends the file: without it the file was cut short.
    const std::string number = bytes.substr(kHeader.size());
    if (number.empty() || number.back() != '\n')
        return std::nullopt;
    const std::size_t digits = number.size() - 1;
    if (digits == 0 || digits > kMostDigits)
        return std::nullopt;
    // The writer never pads with zeros, so a leading one was written by something else.
    if (number[0] == '0' && digits > 1)
        return std::nullopt;
    int waves = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        if (!isDigit(number[i]))
            return std::nullopt;
        waves = waves * 10 + (number[i] - '0');
    }
    if (waves > kMostWaves)
        return std::nullopt;
    return waves;
}

std::string writeRecord(int bestWaves) {
    return kHeader + std::to_string(bestWaves) + "\n";
}

std::string settingsHash(const std::string& settingsBytes) {
    std::uint64_t hash = fnv1a64(settingsBytes);
    std::string hex(16, '0');
    for (auto digit = hex.rbegin(); digit != hex.rend(); ++digit, hash >>= 4)
        *digit = "0123456789abcdef"[hash & 0xf];
    return hex;
}

std::string recordName(const std::string& settingsBytes) {
    return "best-" + settingsHash(settingsBytes) + ".txt";
}

std::string saveName(const std::string& settingsBytes) {
    return "save-" + settingsHash(settingsBytes) + ".txt";
}

std::string badSaveName(const std::string& settingsBytes) {
    return "save-" + settingsHash(settingsBytes) + ".bad";
}

std::string meetingsName(const std::string& settingsBytes) {
    return "met-" + settingsHash(settingsBytes) + ".txt";
}
