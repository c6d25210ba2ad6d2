#pragma once

#include <string>

class Palette;
class Picture;
class SheetStrip;

// Where the painter leaves its work: PNG strips, and a ".sheet" description
// beside each sprite sheet's strip.
class ArtFolder {
  public:
    ArtFolder(const std::string& path, const Palette& palette) : path(path), palette(palette) {}

    void image(const std::string& name, const Picture& picture);
    void sheet(const std::string& name, const std::string& title, const SheetStrip& strip);

    // False once anything could not be written; the reasons went to stderr.
    bool succeeded() const { return ok; }

  private:
    std::string path;
    const Palette& palette;
    bool ok = true;
};
