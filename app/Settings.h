#pragma once

#include <climits>
#include <map>
#include <string>
#include <vector>

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

    // Reads for the numbers the game computes with. Each holds a modder's value,
    // however absurd, to a range in which every sum and product the game makes
    // from it stays defined; ordinary values come back unchanged. Not a number
    // reads as 0.

    // Damage per hit, read as getInt reads it, within kMostDamage either way.
    int getDamage(const std::string& key) const;
    // The same, read as a real cut toward zero (7.9 deals 7, 1e2 deals 100),
    // as the tesla coil reads its damage.
    int getRealDamage(const std::string& key) const;
    // Pixels per second, within kFastestSpeed either way.
    double getSpeed(const std::string& key) const;
    // A reach in pixels, 0 to kFarOffCanvas.
    double getRadius(const std::string& key) const;
    // A place or a length on the canvas in whole pixels, read as getInt reads
    // it, within kFarOffCanvas either way.
    int getPixels(const std::string& key) const;
    // Seconds, 0 to kLongestTime.
    double getTime(const std::string& key) const;

    // Two amounts of damage, a direct hit and its splash, still add up within an int.
    static constexpr int kMostDamage = INT_MAX / 2;
    // Places, lengths and reaches are pixels of a 320 x 240 canvas. Past a
    // million they are off every screen anyway, and held there every sum the
    // game makes from them, with sprite sizes and button counts, stays within
    // an int.
    static constexpr int kFarOffCanvas = 1 << 20;
    // Some 28 hours: longer than anyone waits for a wave or a shot, and short
    // enough that a missile flying at the fastest speed for its longest life
    // stays within an int of where it set out.
    static constexpr double kLongestTime = 1e5;

    // Whether a line gave the key, even an empty value.
    bool has(const std::string& key) const { return values.count(key) != 0; }
    // Every key a line gave, in byte order.
    std::vector<std::string> keys() const;

    // Stores one value, as a line "key=value" would.
    void set(const std::string& key, const std::string& value) { values[key] = value; }

  private:
    void parseLine(const std::string& line);

    std::map<std::string, std::string> values;
};
