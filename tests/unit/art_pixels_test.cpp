#include "window/art_pixels.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

constexpr Color kGreen = 0x0000FF00;
constexpr Color kGrey = 0x00404040;

TEST(ArtPixels, EmblemIsADotMatrixWithBlackGaps) {
  const Surface emblem = EmblemPicture();
  ASSERT_EQ(emblem.Width(), 16);
  ASSERT_EQ(emblem.Height(), 16);
  int lit = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const Color c = emblem.At(x, y);
      if (x % 2 == 0 || y % 2 == 0) {
        EXPECT_EQ(c, kBlack) << x << "," << y;
      } else {
        EXPECT_TRUE(c == kGreen || c == kGrey) << x << "," << y;
        lit += c == kGreen ? 1 : 0;
      }
    }
  }
  // Enough lit dots to read as a sign, few enough to leave a background.
  EXPECT_GT(lit, 12);
  EXPECT_LT(lit, 40);
}

TEST(ArtPixels, ColorCellsShowTheFourTextColoursOnBlack) {
  const Surface cells = ColorCellsPicture();
  ASSERT_EQ(cells.Width(), 80);
  ASSERT_EQ(cells.Height(), 16);
  // The dot centres carry the text colours, as the ticker's colour table.
  EXPECT_EQ(cells.At(8, 7), 0x0000FF00u);
  EXPECT_EQ(cells.At(24, 7), 0x0020C0FFu);
  EXPECT_EQ(cells.At(40, 7), 0x006060FFu);
  EXPECT_EQ(cells.At(56, 7), 0x00FF4040u);
  for (int cell = 0; cell < 5; ++cell) {
    EXPECT_NE(cells.At(cell * 16 + 8, 7), kBlack) << cell;
    // Corners and the frame's path stay black, so the green mark shows.
    EXPECT_EQ(cells.At(cell * 16 + 1, 1), kBlack) << cell;
    EXPECT_EQ(cells.At(cell * 16 + 15, 15), kBlack) << cell;
    EXPECT_EQ(cells.At(cell * 16 + 8, 1), kBlack) << cell;
    EXPECT_EQ(cells.At(cell * 16 + 8, 14), kBlack) << cell;
  }
  // The fifth dot is smaller: the columns a 66-pixel box shows are black.
  EXPECT_EQ(cells.At(64, 7), kBlack);
  EXPECT_EQ(cells.At(65, 7), kBlack);
  EXPECT_EQ(cells.At(69, 7), kBlack);
}

}  // namespace
}  // namespace kx
