#include "painter/Symmetric.h"

#include "painter/Ink.h"

#include <array>

namespace {

constexpr std::array<int, 16> kShadeDarker = {
    Ink::Black,    Ink::DarkBlue,  Ink::DarkPurple, Ink::DarkGreen, Ink::Brown,  Ink::DarkGrey,
    Ink::DarkGrey, Ink::LightGrey, Ink::Red,        Ink::Orange,    Ink::Orange, Ink::DarkGreen,
    Ink::DarkBlue, Ink::DarkGrey,  Ink::Pink,       Ink::Peach};

} // namespace

Picture symmetricPicture(const std::vector<std::string>& leftHalf) {
    const int half = static_cast<int>(leftHalf.front().size());
    const int width = 2 * half - 1;
    Picture left(width, static_cast<int>(leftHalf.size()));
    left.stamp(0, 0, leftHalf);

    Picture picture = left;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < half - 1; ++x) {
            const int colour = left.at(x, y);
            picture.set(width - 1 - x, y,
                        colour == Picture::kClear ? colour : kShadeDarker[colour]);
        }
    }
    return picture;
}
