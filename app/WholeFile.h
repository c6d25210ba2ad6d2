#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The small files the game keeps for the player (the records, the options),
// each written and read whole.

// The file's bytes, up to longest; none when it cannot be read or is longer.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::size_t longest);

// Makes the file's folder if need be and writes the bytes as the whole new
// file. A game that stops halfway through leaves the old file whole: the new
// one is written beside it and only then takes its name. False, with why in
// a few words naming the path, when a step fails; the old file is then as it was.
bool writeWholeFile(const std::filesystem::path& file, const std::string& bytes, std::string& why);
