#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "fake/fake_platform.h"
#include "window/art_pixels.h"
#include "window/knob_image.h"
#include "window/scaled_pictures.h"
#include "window/settings_pictures.h"

namespace kx {
namespace {

constexpr SystemColors kColors{};

constexpr int kDpis[] = {96, 120, 144, 192};

struct Drawn {
  fake::FakePlatform fake;
  SettingsPictures pictures;
  DisplayScale s;
  Surface knob = MakeKnobImage(s);

  explicit Drawn(int dpi = 96) : s{dpi} {
    pictures.SetUp(MakeWindowLayout(s, s.Of(115)), kColors);
    pictures.SetColorCellsPicture(ColorCellsPicture(s));
  }
  // The last pixel of design pixel `x`'s enlarged span.
  int Last(int x) const { return s.Of(x + 1) - 1; }
  const Surface& Speed(std::int16_t level) {
    pictures.DrawSpeedBar(fake.graphics, level, knob, u"Fast         Slow");
    return pictures.SpeedBox();
  }
};

TEST(WindowDrawing, KnobSitsOverItsTickAtEachLevel) {
  for (const int dpi : kDpis) {
    Drawn d(dpi);
    const DisplayScale z = d.s;
    for (std::int16_t level = 0; level <= 2; ++level) {
      const Surface& s = d.Speed(level);
      const int left = level * 56;
      const int tip = z.Of(18) - 1;
      EXPECT_EQ(s.At(z.Of(left), z.Of(1)), 0x00FFE2E2u) << dpi << level;       // lit corner
      EXPECT_EQ(s.At(z.Of(left + 8), z.Of(1)), kBlack) << dpi << level;        // right outline
      EXPECT_EQ(s.At(z.Of(left + 4), z.Of(10)), 0x00FFC0B3u) << dpi << level;  // face
      EXPECT_EQ(s.At(z.Of(left + 4), tip), kBlack) << dpi << level;            // the point ...
      EXPECT_EQ(s.At(z.Of(left + 4), tip + 1), kBlack) << dpi << level;        // ... over its tick
      EXPECT_EQ(s.At(z.Of(left + 4) - 1, tip), kColors.face) << dpi << level;  // beside it
      EXPECT_EQ(s.At(z.Of(left + 1), z.Of(16)), kColors.face) << dpi << level;
      // No trace of the knob elsewhere.
      const int away = level == 0 ? 60 : 4;
      EXPECT_EQ(s.At(z.Of(away), z.Of(1)), kColors.face) << dpi << level;
      EXPECT_EQ(s.At(z.Of(away), z.Of(7)), kColors.shadow) << dpi << level;
    }
  }
}

TEST(WindowDrawing, GreenFrameSurroundsTheChosenCellOnly) {
  for (const int dpi : kDpis) {
    Drawn d(dpi);
    const DisplayScale s = d.s;
    const Surface cells = ColorCellsPicture(s);
    for (int box = 0; box < 2; ++box) {
      for (int cell = 0; cell <= 3; ++cell) {
        d.pictures.DrawColorMark(box, cell);
        const Surface& a = d.pictures.ColorArea(box);
        const int left = cell * 16 + 1;
        EXPECT_EQ(a.At(s.Of(left), s.Of(1)), kColorMarkGreen) << dpi << cell;
        EXPECT_EQ(a.At(d.Last(left + 15), d.Last(15)), kColorMarkGreen) << dpi << cell;
        EXPECT_EQ(a.At(s.Of(left + 7), s.Of(1)), kColorMarkGreen) << dpi << cell;
        EXPECT_EQ(a.At(s.Of(left), s.Of(8)), kColorMarkGreen) << dpi << cell;
        EXPECT_EQ(a.At(d.Last(left + 14), s.Of(8)), kColorMarkGreen) << dpi << cell;  // 2 wide
        EXPECT_EQ(a.At(s.Of(left + 2), s.Of(3)), kBlack) << dpi << cell;
        EXPECT_EQ(a.At(s.Of(left + 7), 0), kBlack) << dpi << cell;
        EXPECT_EQ(a.At(s.Of(left + 7), s.Of(16)), kBlack) << dpi << cell;
        const Point dot = s.Of(Point{cell * 16 + 11, 7});
        EXPECT_EQ(a.At(dot.x, dot.y), cells.At(dot.x, dot.y)) << dpi << cell;
        for (int other = 0; other <= 3; ++other) {
          if (other != cell) {
            EXPECT_EQ(a.At(s.Of(other * 16 + 1), s.Of(1)), kBlack) << dpi << cell << other;
          }
        }
        const Rect at = d.pictures.Layout().colorAreas[box];
        EXPECT_EQ(d.pictures.Client().At(at.left + s.Of(left), at.top + s.Of(1)), kColorMarkGreen);
      }
    }
  }
}

}  // namespace
}  // namespace kx
