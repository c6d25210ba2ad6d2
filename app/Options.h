#pragma once

#include "app/Difficulty.h"

#include <optional>
#include <string>

// What the player chose on the Options screen and the title screen, kept
// between runs in one small file beside the records:
//
//     groundline options 1
//     volume=70
//     muted=0
//     scale=2
//     difficulty=normal
//
// read strictly, as the record is: a file cut short, from another version or
// from anything else is not options at all, and the defaults stand.
struct Options {
    int volume = -1; // 0 to 100; -1 until chosen: strings.txt's "SoundVolume"
    bool muted = false;
    int scale = 0;   // window pixels per canvas pixel; 0 until chosen: the platform's
    Difficulty difficulty = Difficulty::Normal;

    bool operator==(const Options& other) const;
};

// The options in the bytes; none when they are not exactly such a file.
std::optional<Options> readOptions(const std::string& bytes);
// The bytes of the options, which must lie within their ranges.
std::string writeOptions(const Options& options);

// The file's name in the records' folder, and the key the page keeps them under.
constexpr const char* kOptionsName = "options.txt";
