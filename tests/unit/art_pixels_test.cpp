#include "window/art_pixels.h"

#include <gtest/gtest.h>

#include "ticker/ticker_engine.h"
#include "window/knob_image.h"

namespace kx {
namespace {

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

// The cells a user picks from show the colours the ticker then uses.
TEST(Pictures, ColourCellsShowTheTickersColours) {
  const Surface cells = ColorCellsPicture();
  for (int cell = 0; cell < 4; ++cell) {
    EXPECT_EQ(cells.At(cell * 16 + 8, 7), ColorTable[static_cast<std::size_t>(cell)]) << cell;
    EXPECT_EQ(cells.At(cell * 16 + 1, 1), kBlack) << cell;  // room for the green frame
  }
}

}  // namespace
}  // namespace kx
