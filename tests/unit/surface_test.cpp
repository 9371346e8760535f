#include "forms/surface.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

Surface Numbered(int width, int height, Color base = 0) {
  Surface s(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) s.Set(x, y, base + static_cast<Color>(y * 100 + x));
  return s;
}

TEST(Surface, BlitMovesWithinOneSurfaceReadsBlackOutsideAndCombines) {
  Surface s = Numbered(16, 2);
  s.Blit(s, 2, 0, 14, 2, 0, 0);
  for (int x = 0; x < 14; ++x) EXPECT_EQ(s.At(x, 1), static_cast<Color>(100 + x + 2));
  EXPECT_EQ(s.At(15, 0), 15u);
  Surface canvas(6, 4, 0xFFFFFF);
  canvas.Blit(Numbered(4, 4), 3, 0, 2, 4, 4, 0);
  EXPECT_EQ(canvas.At(4, 2), 203u);
  EXPECT_EQ(canvas.At(5, 2), kBlack);
  Surface target(1, 1, 0x00010203);
  target.Blit(Surface(1, 1, 0x00FF00FF), 0, 0, 1, 1, 0, 0, RasterOp::kOr);
  target.Blit(Surface(1, 1, 0x0000FF00), 0, 0, 1, 1, 0, 0, RasterOp::kAnd);
  EXPECT_EQ(target.At(0, 0), 0x00000200u);
}

// The ticker's allocation-free copies must give exactly what the general
// block copy gives, including at the edges.
TEST(Surface, TickerCopiesEqualTheBlockCopy) {
  for (int columns : {0, 1, 2, 15, 16, 17}) {
    Surface shifted = Numbered(16, 16);
    Surface blitted = shifted;
    shifted.ShiftLeft(columns);
    blitted.Blit(blitted, columns, 0, 16 - columns, 16, 0, 0);
    EXPECT_EQ(shifted, blitted) << columns;
  }
  const Surface glyph = Numbered(20, 20, 0x10000);
  const struct {
    int sourceX, count, destX;
  } cases[] = {{0, 2, 14}, {19, 2, 14}, {40, 2, 14}, {-1, 2, 14}, {4, 3, 15}, {4, 3, -1}};
  for (const auto& c : cases) {
    Surface copied = Numbered(16, 16);
    Surface blitted = copied;
    copied.CopyColumns(glyph, c.sourceX, c.count, c.destX);
    blitted.Blit(glyph, c.sourceX, 0, c.count, 16, c.destX, 0);
    EXPECT_EQ(copied, blitted) << c.sourceX << " " << c.count << " " << c.destX;
  }
  Surface tall(4, 6, 0xFFFFFF);  // a source shorter than the target reads black below
  tall.CopyColumns(Surface(4, 3, 0x123456), 0, 1, 0);
  EXPECT_EQ(tall.At(0, 3), kBlack);
  EXPECT_EQ(tall.At(1, 3), 0xFFFFFFu);
}

}  // namespace
}  // namespace kx
