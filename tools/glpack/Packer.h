#pragma once

#include <string>

class Palette;

// Turns editable art (a PNG strip and, for a sheet, its text description)
// into the game's packed files and back.
class Packer {
  public:
    // With a palette, every pixel must be one of its colours or the mask.
    explicit Packer(const Palette* palette = nullptr) : palette(palette) {}

    // PNG to ".mz".
    bool packImage(const std::string& png, const std::string& output, std::string& error) const;
    // PNG and description to ".sz".
    bool packSheet(const std::string& png, const std::string& description,
                   const std::string& output, std::string& error) const;

    // ".mz" to PNG, read with the game's loader.
    bool unpackImage(const std::string& packed, const std::string& png, std::string& error) const;
    // ".sz" to PNG and description, read with the game's loader.
    bool unpackSheet(const std::string& packed, const std::string& png,
                     const std::string& description, std::string& error) const;

  private:
    const Palette* palette;
};
