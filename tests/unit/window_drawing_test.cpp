// The settings window's pictures at every display scale.
#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "ticker/ticker_engine.h"
#include "window/art_pixels.h"
#include "window/knob_image.h"
#include "window/scaled_pictures.h"
#include "window/settings_pictures.h"
#include "window/window_layout.h"

namespace kx {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

// The knob's point stands over its level's tick and nowhere else; the chosen
// cell alone wears the green frame, two pixels wide, around its dot in the
// ticker's colour of that index.
TEST(WindowDrawing, KnobAndColourMarkShowTheSettingsAtEveryScale) {
  for (const int dpi : kDpis) {
    const DisplayScale z{dpi};
    fake::FakeGraphics graphics;
    SettingsPictures pictures;
    pictures.SetUp(MakeWindowLayout(z, z.Of(115)), SystemColors{});
    pictures.SetColorCellsPicture(ColorCellsPicture(z));
    const int tip = z.Of(18) - 1;
    for (int level = 0; level <= 2; ++level) {
      pictures.DrawSpeedBar(graphics, static_cast<std::int16_t>(level), MakeKnobImage(z), u"F S");
      const Surface& bar = pictures.SpeedBox();
      for (int at = 0; at <= 2; ++at) {
        EXPECT_EQ(bar.At(z.Of(at * 56 + 4), tip), at == level ? kBlack : SystemColors{}.face)
            << dpi << level << at;
      }
    }
    for (std::size_t cell = 0; cell <= 3; ++cell) {
      pictures.DrawColorMark(1, static_cast<std::int32_t>(cell));
      const Surface& a = pictures.ColorArea(1);
      const int left = static_cast<int>(cell) * 16 + 1;
      EXPECT_EQ(a.At(z.Of(left), z.Of(1)), kColorMarkGreen) << dpi << cell;
      EXPECT_EQ(a.At(z.Of(left + 16) - 1, z.Of(16) - 1), kColorMarkGreen) << dpi << cell;
      EXPECT_EQ(a.At(z.Of(left + 15) - 1, z.Of(8)), kColorMarkGreen) << dpi << cell;
      EXPECT_EQ(a.At(z.Of(left + 2), z.Of(3)), kBlack) << dpi << cell;
      EXPECT_EQ(a.At(z.Of((left + 16) % 64), z.Of(1)), kBlack) << dpi << cell;
      EXPECT_EQ(a.At(z.Of(left + 7), z.Of(7)), ColorTable[cell]) << dpi << cell;
    }
  }
}

// At 100 % the colour dots are the drawn art itself, and at 200 % each of its
// pixels doubled: whole scales stay as crisp as the art.
TEST(WindowDrawing, ColourDotsAtWholeScalesAreTheArtEnlarged) {
  const Surface art = ColorCellsPicture();
  for (const int factor : {1, 2}) {
    const Surface cells = ColorCellsPicture(DisplayScale{96 * factor});
    ASSERT_EQ(cells.Width(), art.Width() * factor);
    ASSERT_EQ(cells.Height(), art.Height() * factor);
    for (int y = 0; y < cells.Height(); ++y) {
      for (int x = 0; x < cells.Width(); ++x)
        ASSERT_EQ(cells.At(x, y), art.At(x / factor, y / factor))
            << factor << ": " << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace kx
