#pragma once

#include <optional>
#include <string>

// The best-wave record on disk: one small text file per set of settings,
//
//     groundline record 1
//     bestWaves=12
//
// read strictly, so that a file cut short, from another version or from
// anything else reads as no record at all and is written anew at the next
// save, rather than handing the game a number it never earned.

// More waves than anyone defeats: a wave takes the best part of a minute, so
// this is years of play. A larger number on disk is damage, not a record.
constexpr int kMostWaves = 1000000;

// The waves in a record's bytes; none when they are not exactly such a record.
std::optional<int> readRecord(const std::string& bytes);

// The bytes of a record of bestWaves, which must lie within 0 to kMostWaves.
std::string writeRecord(int bestWaves);

// The record's file name for the settings with these bytes (strings.txt as
// read from disk): a hash that no compiler or platform changes, so that each
// mod keeps its own record from one version of the game to the next.
std::string recordName(const std::string& settingsBytes);

// The sixteen hexadecimal digits of that hash, which also name the settings'
// saved game ("save-HASH.txt") and are written inside it.
std::string settingsHash(const std::string& settingsBytes);
std::string saveName(const std::string& settingsBytes);
// Where a saved game that would not read is kept aside for a bug report.
std::string badSaveName(const std::string& settingsBytes);
// The kinds of invader the player has met with these settings ("met-HASH.txt").
std::string meetingsName(const std::string& settingsBytes);
