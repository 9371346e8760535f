#include "forms/surface.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

Surface Numbered(int width, int height) {
  Surface s(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) s.Set(x, y, static_cast<Color>(y * 100 + x));
  return s;
}

TEST(Surface, OverlappingLeftMoveWithinOneSurface) {
  Surface s = Numbered(16, 2);
  s.Blit(s, 2, 0, 14, 2, 0, 0);
  for (int x = 0; x < 14; ++x) EXPECT_EQ(s.At(x, 1), static_cast<Color>(100 + x + 2));
  EXPECT_EQ(s.At(14, 0), 14u);  // the two right columns are left as they were
  EXPECT_EQ(s.At(15, 0), 15u);
}

TEST(Surface, SourceOutsideReadsAsBlackAndDestinationIsClipped) {
  const Surface glyph = Numbered(4, 4);
  Surface canvas(6, 4, 0xFFFFFF);
  canvas.Blit(glyph, 3, 0, 2, 4, 4, 0);
  EXPECT_EQ(canvas.At(4, 2), 203u);
  EXPECT_EQ(canvas.At(5, 2), kBlack);
  canvas.Blit(glyph, 0, 0, 4, 4, 5, 0);  // three columns fall outside
  EXPECT_EQ(canvas.At(5, 3), 300u);
}

TEST(Surface, OrAndCombineLikeTheRasterOperations) {
  Surface mask(1, 1, 0x00FF00FF);
  Surface target(1, 1, 0x00010203);
  target.Blit(mask, 0, 0, 1, 1, 0, 0, RasterOp::kOr);
  EXPECT_EQ(target.At(0, 0), 0x00FF02FFu);
  target.Blit(Surface(1, 1, 0x0000FF00), 0, 0, 1, 1, 0, 0, RasterOp::kAnd);
  EXPECT_EQ(target.At(0, 0), 0x00000200u);
}

}  // namespace
}  // namespace kx
