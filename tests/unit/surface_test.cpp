#include "forms/surface.h"

#include <gtest/gtest.h>

#include <array>

namespace kx {
namespace {

Surface Numbered(int width, int height) {
  Surface s(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) s.Set(x, y, static_cast<Color>(0x10000 + y * 100 + x));
  return s;
}

// The ticker's allocation-free copies must give exactly what the general
// block copy gives, including at the edges and outside the source.
TEST(Surface, TickerCopiesEqualTheBlockCopy) {
  for (int columns : {1, 15, 16, 17}) {
    Surface shifted = Numbered(16, 16);
    Surface blitted = shifted;
    shifted.ShiftLeft(columns);
    blitted.Blit(blitted, columns, 0, 16 - columns, 16, 0, 0);
    EXPECT_EQ(shifted, blitted) << columns;
  }
  for (const auto& [sourceX, count, destX] :
       {std::array{19, 2, 14}, {40, 2, 14}, {-1, 2, 14}, {4, 3, 15}, {4, 3, -1}}) {
    Surface copied = Numbered(16, 16);
    Surface blitted = copied;
    copied.CopyColumns(Numbered(20, 12), sourceX, count, destX);
    blitted.Blit(Numbered(20, 12), sourceX, 0, count, 16, destX, 0);
    EXPECT_EQ(copied, blitted) << sourceX << " " << count << " " << destX;
  }
}

}  // namespace
}  // namespace kx
