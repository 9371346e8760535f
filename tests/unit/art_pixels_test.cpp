#include "window/art_pixels.h"

#include <gtest/gtest.h>

#include <set>

#include "window/knob_image.h"
#include "window/scaled_pictures.h"

namespace kx {
namespace {

constexpr Color kGreen = 0x0000FF00;
constexpr Color kGrey = 0x00404040;

// The two halves must fit each other: wherever the mask is black the knob
// is white, or ORing the mask and ANDing the knob would smear the box.
TEST(Pictures, KnobIsWhiteWhereverItsMaskIsBlack) {
  const Surface knob = MakeKnobImage();
  int blackMaskPixels = 0;
  for (int y = 0; y < kKnobHeight; ++y) {
    for (int x = 0; x < kKnobWidth; ++x) {
      const Color mask = knob.At(kKnobMaskColumn + x, y);
      ASSERT_TRUE(mask == kBlack || mask == kWhite) << x << "," << y;
      if (mask == kBlack) {
        ++blackMaskPixels;
        EXPECT_EQ(knob.At(x, y), kWhite) << x << "," << y;
      }
    }
  }
  EXPECT_GT(blackMaskPixels, 0);
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
