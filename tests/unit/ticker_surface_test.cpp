// The ticker's allocation-free copies must give exactly what the general
// block copy gives, including at the edges.
#include <gtest/gtest.h>

#include "forms/surface.h"

namespace kx {
namespace {

Surface Numbered(int width, int height, Color base) {
  Surface s(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) s.Set(x, y, base + static_cast<Color>(y * 100 + x));
  return s;
}

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
