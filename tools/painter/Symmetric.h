#pragma once

#include "painter/Picture.h"

#include <string>
#include <vector>

// A picture drawn as its left half and the centre column, completed by a
// mirror image on the right in which each colour turns a shade darker, so
// that every symmetric machine is lit from the upper left.
Picture symmetricPicture(const std::vector<std::string>& leftHalf);
