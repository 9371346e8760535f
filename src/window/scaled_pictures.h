#pragma once
// The settings window's pictures at the display's scale, sharp: enlarged by a
// whole factor where the scale is one, otherwise drawn anew at their size.
// At 96 dpi they are the pictures of art_pixels.h, pixel for pixel.

#include "forms/screen_units.h"
#include "forms/surface.h"

namespace kx {

// The dot-matrix emblem: 8 x 8 dots on an even pitch that fits the scaled
// 16-pixel square (16, 16, 24, 32 pixels at 96, 120, 144, 192 dpi).
Surface EmblemPicture(DisplayScale scale);

// The colour selectors' picture, scale.Of(80) x scale.Of(16): five cells,
// each with its round, shaded dot.
Surface ColorCellsPicture(DisplayScale scale);

}  // namespace kx
