#pragma once

#include <string>
#include <vector>

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
    // The desktop icon scaled by each whole factor, so that it stays pixel
    // art, as icon/NAME_WIDTH.png. It lives in a folder of its own because
    // every picture directly in the art folder is packed into data/, and the
    // game never draws its icon.
    void icon(const std::string& name, const Picture& picture, const std::vector<int>& factors);

    // False once anything could not be written; the reasons went to stderr.
    bool succeeded() const { return ok; }

  private:
    std::string path;
    const Palette& palette;
    bool ok = true;
};
