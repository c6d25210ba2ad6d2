#pragma once

#include <map>
#include <string>

// The key/value table read from "data/strings.txt": every tunable number and
// every name the player sees. Keys and values are raw bytes; nothing is trimmed.
class Settings {
  public:
    // Adds the file's key=value lines to the table. False, with nothing changed,
    // when the file cannot be opened.
    bool load(const std::string& path);

    // The value stored for the key, or the empty string.
    std::string get(const std::string& key) const;

    // The value read the way C's atoi reads it; 0 when absent. Out-of-range
    // numbers saturate instead of overflowing.
    int getInt(const std::string& key) const;

    // The value read the way C's atof reads it in the "C" locale; 0.0 when absent.
    double getReal(const std::string& key) const;

    // Stores one value, as a line "key=value" would.
    void set(const std::string& key, const std::string& value) { values[key] = value; }

  private:
    void parseLine(const std::string& line);

    std::map<std::string, std::string> values;
};
