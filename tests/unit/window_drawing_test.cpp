// The settings window's parts and pictures at every display scale.
#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "ticker/ticker_engine.h"
#include "window/knob_image.h"
#include "window/scaled_pictures.h"
#include "window/settings_pictures.h"
#include "window/window_layout.h"

namespace kx {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

// Every part where the 96-dpi one is, times the factor, inside the window,
// and a press on its corner finds it; a scaled pixel maps back to its own.
TEST(WindowLayout, PartsGrowWithTheScaleStayInTheWindowAndAreHitThere) {
  const WindowLayout d = MakeWindowLayout(DisplayScale{}, 115);
  for (const int dpi : kDpis) {
    const DisplayScale s{dpi};
    const WindowLayout l = MakeWindowLayout(s, s.Of(115));
    EXPECT_EQ(l.clientWidth, s.Of(280)) << dpi;
    for (const WindowPart part : {WindowPart::kSpeedFrame, WindowPart::kColorFrame,
                                  WindowPart::kSpeedBox, WindowPart::kColorBoxBorder,
                                  WindowPart::kLink, WindowPart::kIcon, WindowPart::kAnswerLabel}) {
      const Rect r = PartRect(l, s.Of(175), part);
      EXPECT_EQ(r, s.Of(PartRect(d, 175, part))) << dpi;
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= l.clientWidth &&
                  r.bottom <= l.clientHeight)
          << dpi;
      EXPECT_EQ(HitTest(l, s.Of(175), {r.left, r.top}).part, part) << dpi;
    }
    for (int x = -3; x < 130; ++x) EXPECT_EQ(s.ToDesign(s.Of(x)), x) << dpi;
  }
}

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

}  // namespace
}  // namespace kx
