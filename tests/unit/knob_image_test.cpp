#include "window/knob_image.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

constexpr Color A = 0x00FFE2E2;
constexpr Color B = 0x00FFC0B3;
constexpr Color C = 0x00E88145;

TEST(KnobImage, SizeAndCharacteristicPixels) {
  const Surface knob = MakeKnobImage();
  ASSERT_EQ(knob.Width(), 18);
  ASSERT_EQ(knob.Height(), 17);
  EXPECT_EQ(knob.At(0, 0), A);
  EXPECT_EQ(knob.At(8, 0), kBlack);
  EXPECT_EQ(knob.At(0, 1), A);
  EXPECT_EQ(knob.At(4, 6), B);
  EXPECT_EQ(knob.At(7, 12), C);
  EXPECT_EQ(knob.At(8, 12), kBlack);
  EXPECT_EQ(knob.At(0, 13), kWhite);
  EXPECT_EQ(knob.At(4, 15), C);
  EXPECT_EQ(knob.At(4, 16), kBlack);  // the point
  EXPECT_EQ(knob.At(3, 16), kWhite);
}

// The two halves must fit each other: wherever the mask is black the knob
// is white, or ORing the mask and ANDing the knob would smear the box.
TEST(KnobImage, KnobIsWhiteWhereverTheMaskIsBlack) {
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
  EXPECT_EQ(blackMaskPixels, 2 + 4 + 6 + 8);
}

}  // namespace
}  // namespace kx
