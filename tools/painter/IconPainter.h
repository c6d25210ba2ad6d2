#pragma once

#include "painter/Picture.h"

// The game's icon for desktop menus: a squibble meeting a laser turret's bolt
// over the ground line, 16 x 16. It is square and opaque, since the art's PNG
// files have no alpha and magenta would show in a menu.
class IconPainter {
  public:
    static Picture icon();
};
