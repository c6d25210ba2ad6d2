#include "glpack/SheetDescription.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

bool readInt(const std::string& word, int& value) {
    if (word.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || parsed < 0 || parsed > SheetDescription::kMaxCount)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// The cells of a grid, row by row from (x0, y0), as many as fit across the image.
bool gridFrames(int cellWidth, int cellHeight, int count, int x0, int y0, int imageWidth,
                std::vector<FrameRect>& frames, std::string& why) {
    if (cellWidth <= 0 || cellHeight <= 0) {
        why = "grid cells need a width and a height above 0";
        return false;
    }
    const int perRow = (imageWidth - x0) / cellWidth;
    if (perRow <= 0) {
        why = "grid cells do not fit across the image";
        return false;
    }
    for (int i = 0; i < count; ++i)
        frames.push_back(
            {x0 + (i % perRow) * cellWidth, y0 + (i / perRow) * cellHeight, cellWidth, cellHeight});
    return true;
}

std::string formatRate(float rate) {
    // Nine significant digits bring back the very same float when read again.
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(rate));
    return text;
}

} // namespace

bool SheetDescription::parse(const std::string& text, int imageWidth, int imageHeight,
                             std::string& error) {
    frames.clear();
    animations.clear();
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(lineNumber) + ": " + why;
        return false;
    };

    while (std::getline(lines, line)) {
        ++lineNumber;
        std::istringstream words(line.substr(0, line.find('#')));
        std::vector<std::string> word;
        for (std::string w; words >> w;)
            word.push_back(w);
        if (word.empty())
            continue;

        if (word[0] == "frame") {
            FrameRect rect;
            if (word.size() != 5 || !readInt(word[1], rect.x) || !readInt(word[2], rect.y) ||
                !readInt(word[3], rect.width) || !readInt(word[4], rect.height))
                return fail("write a frame as: frame X Y WIDTH HEIGHT");
            frames.push_back(rect);
        } else if (word[0] == "grid") {
            int cellWidth = 0, cellHeight = 0, count = 0, x0 = 0, y0 = 0;
            if ((word.size() != 4 && word.size() != 6) || !readInt(word[1], cellWidth) ||
                !readInt(word[2], cellHeight) || !readInt(word[3], count) ||
                (word.size() == 6 && (!readInt(word[4], x0) || !readInt(word[5], y0))))
                return fail("write a grid as: grid WIDTH HEIGHT COUNT [X Y]");
            std::string why;
            if (!gridFrames(cellWidth, cellHeight, count, x0, y0, imageWidth, frames, why))
                return fail(why);
        } else if (word[0] == "animation") {
            int index = -1;
            if (word.size() < 6 || !readInt(word[1], index) || word[2] != "rate" ||
                word[4] != "frames")
                return fail("write an animation as: animation N rate FPS frames F G H-K");
            if (index != static_cast<int>(animations.size()))
                return fail("animation " + word[1] + " comes where animation " +
                            std::to_string(animations.size()) + " belongs");
            AnimationSpec animation;
            char* end = nullptr;
            animation.rate = std::strtof(word[3].c_str(), &end);
            if (*end != '\0' || !std::isfinite(animation.rate) || animation.rate <= 0.0f)
                return fail("rate \"" + word[3] +
                            "\" is not a number of frames per second above 0");
            for (size_t w = 5; w < word.size(); ++w) {
                const size_t dash = word[w].find('-');
                int first = 0, last = 0;
                const bool isRange = dash != std::string::npos;
                if (!readInt(word[w].substr(0, dash), first) ||
                    !readInt(isRange ? word[w].substr(dash + 1) : word[w], last) || last < first)
                    return fail("\"" + word[w] + "\" is not a frame number or a range F-G");
                if (animation.frames.size() + (last - first) >= kMaxCount)
                    return fail("animation " + word[1] + " has more than 65535 frames");
                for (int f = first; f <= last; ++f)
                    animation.frames.push_back(f);
            }
            animations.push_back(animation);
        } else {
            return fail("\"" + word[0] + "\" is not frame, grid or animation");
        }
        // Counted line by line: a file of grids could otherwise make millions
        // of frames before the count is looked at.
        if (frames.size() > kMaxCount)
            return fail("more than 65535 frames");
    }

    lineNumber = 0;
    if (animations.size() > kMaxCount)
        return fail("more than 65535 animations");
    for (size_t f = 0; f < frames.size(); ++f) {
        const FrameRect& r = frames[f];
        if (r.x + r.width > imageWidth || r.y + r.height > imageHeight)
            return fail("frame " + std::to_string(f) + " leaves the " + std::to_string(imageWidth) +
                        " x " + std::to_string(imageHeight) + " image");
        if (r.width == 0 || r.height == 0)
            return fail("frame " + std::to_string(f) + " has no pixels");
    }
    if (animations.empty())
        return fail("no animations: every sheet needs animation 0, its resting loop");
    for (size_t a = 0; a < animations.size(); ++a) {
        for (int f : animations[a].frames) {
            if (f >= static_cast<int>(frames.size()))
                return fail("animation " + std::to_string(a) + " shows frame " + std::to_string(f) +
                            ", but there are " + std::to_string(frames.size()) + " frames");
        }
    }
    return true;
}

std::string SheetDescription::format(int imageWidth) const {
    std::ostringstream text;
    const bool sameSize = !frames.empty() && [&] {
        for (const FrameRect& r : frames)
            if (r.width != frames[0].width || r.height != frames[0].height)
                return false;
        return true;
    }();
    bool isGrid = false;
    if (sameSize && frames[0].width > 0 && frames[0].height > 0) {
        std::vector<FrameRect> grid;
        std::string why;
        isGrid = gridFrames(frames[0].width, frames[0].height, static_cast<int>(frames.size()),
                            frames[0].x, frames[0].y, imageWidth, grid, why);
        for (size_t f = 0; isGrid && f < frames.size(); ++f)
            isGrid = grid[f].x == frames[f].x && grid[f].y == frames[f].y;
    }

    text << "# Frames, numbered from 0 in the order given.\n";
    if (isGrid) {
        text << "grid " << frames[0].width << ' ' << frames[0].height << ' ' << frames.size();
        if (frames[0].x != 0 || frames[0].y != 0)
            text << ' ' << frames[0].x << ' ' << frames[0].y;
        text << '\n';
    } else {
        for (const FrameRect& r : frames)
            text << "frame " << r.x << ' ' << r.y << ' ' << r.width << ' ' << r.height << '\n';
    }

    text << "# Animations: frames per second, then the frames shown in turn.\n";
    for (size_t a = 0; a < animations.size(); ++a) {
        const std::vector<int>& f = animations[a].frames;
        text << "animation " << a << " rate " << formatRate(animations[a].rate) << " frames";
        for (size_t i = 0; i < f.size();) {
            size_t run = i;
            while (run + 1 < f.size() && f[run + 1] == f[run] + 1)
                ++run;
            if (run - i >= 2) {
                text << ' ' << f[i] << '-' << f[run];
                i = run + 1;
            } else {
                text << ' ' << f[i];
                ++i;
            }
        }
        text << '\n';
    }
    return text.str();
}
