#pragma once
// Pixels of the artwork that the portable drawing shows. Their definitions
// are generated from the same text art as the program's resources
// (tools/art/make_art.py), so both always agree.

#include "forms/surface.h"

namespace kx {

// 16 x 16: the dot-matrix emblem with green dots, shown in the title band.
Surface EmblemPicture();

// 80 x 16: five colour cells of 16 pixels, the colour selectors' picture.
Surface ColorCellsPicture();

}  // namespace kx
