#pragma once
// Pictures written as rows of characters with a colour legend, so that the
// small images of the settings window stay readable in the source.

#include <span>
#include <string_view>

#include "forms/surface.h"

namespace kx {

struct ArtColor {
  char symbol;
  Color color;  // 0x00BBGGRR
};

// One pixel per character; every row as wide as the first, every character
// in the legend (both asserted).
Surface SurfaceFromArt(std::span<const std::string_view> rows, std::span<const ArtColor> legend);

}  // namespace kx
