#include "window/art_pixels.h"

#include <gtest/gtest.h>

#include <set>

#include "window/scaled_pictures.h"

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

// At every scale: sharp (no colour the design lacks, so nothing is blended),
// the dots' centres in the text colours, the frame's path black.
TEST(ArtPixels, ColorCellsShowTheFourTextColoursOnBlack) {
  const Surface design = ColorCellsPicture();
  const std::set<Color> palette(design.Pixels().begin(), design.Pixels().end());
  for (const int dpi : {96, 120, 144, 192}) {
    const DisplayScale s{dpi};
    const Surface cells = ColorCellsPicture(s);
    ASSERT_EQ(cells.Width(), s.Of(80));
    ASSERT_EQ(cells.Height(), s.Of(16));
    for (const Color c : cells.Pixels()) ASSERT_TRUE(palette.contains(c)) << dpi << " " << c;
    EXPECT_EQ(cells.At(s.Of(8), s.Of(7)), 0x0000FF00u);
    EXPECT_EQ(cells.At(s.Of(24), s.Of(7)), 0x0020C0FFu);
    EXPECT_EQ(cells.At(s.Of(40), s.Of(7)), 0x006060FFu);
    EXPECT_EQ(cells.At(s.Of(56), s.Of(7)), 0x00FF4040u);
    for (int cell = 0; cell < 5; ++cell) {
      EXPECT_NE(cells.At(s.Of(cell * 16 + 8), s.Of(7)), kBlack) << dpi << cell;
      for (const Point p : {Point{1, 1}, Point{15, 15}, Point{8, 1}, Point{8, 14}}) {
        const Point at = s.Of(Point{cell * 16 + p.x, p.y});
        EXPECT_EQ(cells.At(at.x, at.y), kBlack) << dpi << cell;
      }
    }
    const Surface emblem = EmblemPicture(s);
    EXPECT_EQ(emblem.Width(), dpi == 120 ? 16 : s.Of(16));
    for (const Color c : emblem.Pixels()) EXPECT_TRUE(c == kGreen || c == kGrey || c == kBlack);
  }
  // The fifth dot is smaller: the columns a 66-pixel box shows are black.
  for (const int x : {64, 65, 69}) EXPECT_EQ(design.At(x, 7), kBlack) << x;
}

}  // namespace
}  // namespace kx
