#include "app/Options.h"

#include "app/CommandLine.h"

#include <vector>

namespace {

const std::string kHeader = "groundline options 1\n";

// The whole number after "key=" on a line of its own, within 0 to most,
// written as the writer writes it: no sign, no padding.
std::optional<int> readNumber(const std::string& line, const std::string& key, int most) {
    const std::string prefix = key + "=";
    if (line.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const std::string digits = line.substr(prefix.size());
    if (digits.empty() || digits.size() > 3 || (digits[0] == '0' && digits.size() > 1))
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > most)
        return std::nullopt;
    return value;
}

// The file's lines after the header, each ended by a newline.
std::optional<std::vector<std::string>> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos)
            return std::nullopt; // cut short
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

} // namespace

bool Options::operator==(const Options& other) const {
    return volume == other.volume && muted == other.muted && scale == other.scale &&
           difficulty == other.difficulty;
}

std::optional<Options> readOptions(const std::string& bytes) {
    if (bytes.compare(0, kHeader.size(), kHeader) != 0)
        return std::nullopt;
    const std::optional<std::vector<std::string>> lines = linesOf(bytes.substr(kHeader.size()));
    if (!lines || lines->size() != 4)
        return std::nullopt;
    const std::optional<int> volume =
        readNumber((*lines)[0], "volume", CommandLine::kLoudestVolume);
    const std::optional<int> muted = readNumber((*lines)[1], "muted", 1);
    const std::optional<int> scale = readNumber((*lines)[2], "scale", CommandLine::kLargestScale);
    const std::string difficultyPrefix = "difficulty=";
    const std::string& last = (*lines)[3];
    std::optional<Difficulty> difficulty;
    if (last.compare(0, difficultyPrefix.size(), difficultyPrefix) == 0)
        difficulty = difficultyNamed(last.substr(difficultyPrefix.size()));
    if (!volume || !muted || !scale || *scale < 1 || !difficulty)
        return std::nullopt;
    return Options{*volume, *muted == 1, *scale, *difficulty};
}

std::string writeOptions(const Options& options) {
    return kHeader + "volume=" + std::to_string(options.volume) +
           "\nmuted=" + (options.muted ? "1" : "0") + "\nscale=" + std::to_string(options.scale) +
           "\ndifficulty=" + levelOf(options.difficulty).name + "\n";
}
