#include "painter/SheetStrip.h"

#include <cstdio>
#include <sstream>

int SheetStrip::add(const Picture& frame) {
    frames.push_back(frame);
    return static_cast<int>(frames.size()) - 1;
}

std::vector<int> SheetStrip::add(const std::vector<Picture>& newFrames) {
    std::vector<int> numbers;
    for (const Picture& frame : newFrames)
        numbers.push_back(add(frame));
    return numbers;
}

void SheetStrip::animate(const std::string& note, float rate, const std::vector<int>& numbers) {
    animations.push_back({note, rate, numbers});
}

SheetStrip SheetStrip::recoloured(const std::array<int, 16>& map,
                                  const std::vector<int>& keptAnimations) const {
    std::vector<bool> kept(frames.size(), false);
    for (int animation : keptAnimations)
        for (int frame : animations.at(animation).frames)
            kept.at(frame) = true;
    SheetStrip copy = *this;
    for (size_t f = 0; f < frames.size(); ++f)
        if (!kept[f])
            copy.frames[f] = frames[f].recoloured(map);
    return copy;
}

Picture SheetStrip::picture() const {
    Picture strip(frameWidth * static_cast<int>(frames.size()), frameHeight);
    for (size_t f = 0; f < frames.size(); ++f)
        strip.stamp(frameWidth * static_cast<int>(f), 0, frames[f]);
    return strip;
}

std::string SheetStrip::description(const std::string& title) const {
    std::ostringstream text;
    text << "# " << title << "\n"
         << "# Frames: " << frames.size() << " cells of " << frameWidth << " x " << frameHeight
         << " side by side, numbered from 0 at the left.\n"
         << "grid " << frameWidth << ' ' << frameHeight << ' ' << frames.size() << "\n\n"
         << "# Animations: frames per second, then the frames shown in turn.\n";
    for (size_t a = 0; a < animations.size(); ++a) {
        char rate[32];
        std::snprintf(rate, sizeof rate, "%g", static_cast<double>(animations[a].rate));
        text << "# " << animations[a].note << "\n"
             << "animation " << a << " rate " << rate << " frames";
        for (int frame : animations[a].frames)
            text << ' ' << frame;
        text << '\n';
    }
    return text.str();
}
