#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The small files the game keeps for the player (the records, the options),
// each written and read whole.

// The file's bytes, up to longest; none when it cannot be read or is longer.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::size_t longest);

// Makes the file's folder if need be and writes the bytes as the whole new
// file. Whenever the game stops, killed or by a power cut, the file is the
// old one or the new one, never a part or an empty one: the new one is
// written beside it under a name no other writer uses, flushed to the disk,
// and only then takes the file's name. False, with why in a few words
// naming the path, when a step fails; the old file is then as it was.
// A write that succeeds also clears away what writes killed long ago left
// beside the file.
bool writeWholeFile(const std::filesystem::path& file, const std::string& bytes, std::string& why);

// The name beside the file that this process's next write of it will go
// through first, so that a test can stand something in its way.
std::filesystem::path nextTemporaryFile(const std::filesystem::path& file);
