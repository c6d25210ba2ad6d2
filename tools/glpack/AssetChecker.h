#pragma once

// The checker moved to gfx/, beside the loaders that find the problems, so
// that the game can use it too; the fuzz targets include it by this name.
#include "gfx/AssetChecker.h"
