#include "window/text_art.h"

#include <algorithm>
#include <cassert>

namespace kx {

Surface SurfaceFromArt(std::span<const std::string_view> rows, std::span<const ArtColor> legend) {
  assert(!rows.empty() && "a picture needs at least one row");
  const int width = static_cast<int>(rows.front().size());
  Surface picture(width, static_cast<int>(rows.size()));
  for (int y = 0; y < picture.Height(); ++y) {
    const std::string_view row = rows[static_cast<std::size_t>(y)];
    assert(static_cast<int>(row.size()) == width && "every row of a picture is equally wide");
    for (int x = 0; x < width; ++x) {
      const char symbol = row[static_cast<std::size_t>(x)];
      const auto found = std::find_if(legend.begin(), legend.end(),
                                      [symbol](const ArtColor& c) { return c.symbol == symbol; });
      assert(found != legend.end() && "a character of the picture is missing from its legend");
      picture.Set(x, y, found == legend.end() ? kBlack : found->color);
    }
  }
  return picture;
}

}  // namespace kx
