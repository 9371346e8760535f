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

// The ticker's allocation-free copies must give exactly what the general
// block copy gives, including at the edges.
TEST(TickerSurface, ShiftLeftEqualsTheOverlappingBlockCopy) {
  for (int columns : {0, 1, 2, 15, 16, 17}) {
    Surface shifted = Numbered(16, 16, 0);
    Surface blitted = shifted;
    shifted.ShiftLeft(columns);
    blitted.Blit(blitted, columns, 0, 16 - columns, 16, 0, 0);
    EXPECT_EQ(shifted, blitted) << columns;
  }
}

TEST(TickerSurface, CopyColumnsEqualsTheBlockCopy) {
  const Surface glyph = Numbered(20, 20, 0x10000);
  struct Case {
    int sourceX;
    int count;
    int destX;
  };
  // Inside; the glyph's last column and one beyond it; far past it; a
  // destination partly outside on either side.
  const Case cases[] = {{0, 2, 14}, {19, 2, 14}, {40, 2, 14}, {-1, 2, 14}, {4, 3, 15}, {4, 3, -1}};
  for (const Case& c : cases) {
    Surface copied = Numbered(16, 16, 0);
    Surface blitted = copied;
    copied.CopyColumns(glyph, c.sourceX, c.count, c.destX);
    blitted.Blit(glyph, c.sourceX, 0, c.count, 16, c.destX, 0);
    EXPECT_EQ(copied, blitted) << c.sourceX << " " << c.count << " " << c.destX;
  }
  // A source shorter than the target: its missing rows read as black.
  Surface tall(4, 6, 0xFFFFFF);
  tall.CopyColumns(Surface(4, 3, 0x123456), 0, 1, 0);
  EXPECT_EQ(tall.At(0, 2), 0x123456u);
  EXPECT_EQ(tall.At(0, 3), kBlack);
  EXPECT_EQ(tall.At(1, 3), 0xFFFFFFu);
}

}  // namespace
}  // namespace kx
