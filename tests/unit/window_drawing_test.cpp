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

TEST(WindowDrawing, TitleBandRunsFromOrangeToLightOrangeWithABlackUnderline) {
  Drawn d;
  // 286 pixels outside at 15 twips per pixel: boxes of 34 twips.
  d.pictures.PaintTitleBand(d.fake.graphics, 286 * 15, u"KX_RuvoZava Version 1.0 Level 15");
  const Surface& c = d.pictures.Client();
  EXPECT_EQ(TitleBandColor(0), 0x000040FFu);
  EXPECT_EQ(TitleBandColor(128), 0x0080C0FFu);
  EXPECT_EQ(c.At(0, 0), 0x000040FFu);
  EXPECT_EQ(c.At(0, 17), 0x000040FFu);
  // Boxes of 34 twips: box 1 starts at pixel 2, box 2 at pixel 4.
  EXPECT_EQ(c.At(1, 10), 0x000040FFu);
  EXPECT_EQ(c.At(2, 10), TitleBandColor(1));
  EXPECT_EQ(c.At(4, 10), TitleBandColor(2));
  // The window is 280 wide: the last box that shows is 123 (4182 twips).
  EXPECT_EQ(c.At(279, 0), TitleBandColor(123));
  for (int x : {0, 140, 279}) EXPECT_EQ(c.At(x, 18), kBlack) << x;
  EXPECT_EQ(c.At(140, 19), kColors.face);
  EXPECT_EQ(c.At(24, 2), kWhite);  // the fake's text: one row from its origin
  EXPECT_EQ(c.At(23, 2), TitleBandColor(10));
  ASSERT_EQ(d.fake.graphics.textsDrawn.size(), 1u);
}

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

TEST(WindowDrawing, GrooveTicksAndScaleText) {
  Drawn d;
  const Surface& s = d.Speed(1);
  EXPECT_EQ(s.At(4, 7), kColors.shadow);
  EXPECT_EQ(s.At(4, 8), kColors.shadow);
  EXPECT_EQ(s.At(4, 9), kColors.highlight);
  EXPECT_EQ(s.At(30, 7), kColors.shadow);
  EXPECT_EQ(s.At(30, 8), kColors.light);
  EXPECT_EQ(s.At(30, 9), kColors.highlight);
  EXPECT_EQ(s.At(117, 7), kColors.highlight);
  EXPECT_EQ(s.At(117, 8), kColors.highlight);
  EXPECT_EQ(s.At(118, 8), kColors.face);
  EXPECT_EQ(s.At(3, 8), kColors.face);
  EXPECT_EQ(s.At(30, 6), kColors.face);
  EXPECT_EQ(s.At(30, 10), kColors.face);
  for (int x : {4, 60, 116}) {
    for (int y = 18; y < 22; ++y) EXPECT_EQ(s.At(x, y), kBlack) << x << "," << y;
    EXPECT_EQ(s.At(x, 22), kColors.face) << x;
    EXPECT_EQ(s.At(x + 1, 19), kColors.face) << x;
  }
  EXPECT_EQ(s.At(2, 25), kColors.windowText);
  EXPECT_EQ(d.fake.graphics.textsDrawn.back(), u"Fast         Slow");
  // The box lands in the client picture at its place in the speed frame.
  EXPECT_EQ(d.pictures.Client().At(12 + 60, 44 + 19), kBlack);
}

TEST(WindowDrawing, OutOfRangeLevelDrawsNothingOutsideTheBox) {
  Drawn d;
  const Surface& s = d.Speed(5);  // only from a hand-edited settings file
  EXPECT_EQ(s.Width(), 121);
  EXPECT_EQ(s.At(116, 1), kColors.face);
  d.Speed(-1);
  EXPECT_EQ(d.pictures.SpeedBox().At(0, 1), kColors.face);
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

TEST(WindowDrawing, LinkRedrawsOnlyWhenItsColourChanges) {
  Drawn d;
  d.pictures.SetLinkText(d.fake.graphics, u"http://www.kxquiz.example");
  EXPECT_EQ(d.pictures.LinkWidth(), 7 * 25);
  EXPECT_EQ(d.pictures.Client().At(8, 96), kLinkBlue);
  const auto texts = d.fake.graphics.textsDrawn.size();
  EXPECT_FALSE(d.pictures.SetLinkColor(d.fake.graphics, kLinkBlue));
  EXPECT_EQ(d.fake.graphics.textsDrawn.size(), texts);
  EXPECT_TRUE(d.pictures.SetLinkColor(d.fake.graphics, kLinkMagenta));
  EXPECT_EQ(d.pictures.Client().At(8, 96), kLinkMagenta);
  EXPECT_TRUE(d.pictures.SetLinkColor(d.fake.graphics, kLinkBlue));
  EXPECT_EQ(d.pictures.Client().At(182, 96), kLinkBlue);
}

TEST(WindowDrawing, FramesLabelsAndEmblem) {
  Drawn d;
  d.pictures.PaintFramesAndLabels(d.fake.graphics, EmblemPicture());
  const Surface& c = d.pictures.Client();
  // Etched border: shadow, then highlight inside it, through the caption's middle.
  EXPECT_EQ(c.At(4, 60), kColors.shadow);
  EXPECT_EQ(c.At(5, 60), kColors.highlight);
  EXPECT_EQ(c.At(100, 30), kColors.shadow);
  EXPECT_EQ(c.At(100, 31), kColors.highlight);
  EXPECT_EQ(c.At(100, 87), kColors.shadow);
  EXPECT_EQ(c.At(100, 88), kColors.highlight);
  EXPECT_EQ(c.At(12, 24), kColors.buttonText);  // caption, on a gap in the border
  EXPECT_EQ(c.At(10, 30), kColors.face);
  EXPECT_EQ(c.At(158, 42), kColors.buttonText);
  EXPECT_EQ(c.At(158, 66), kColors.buttonText);
  const Surface emblem = EmblemPicture();
  EXPECT_EQ(c.At(5, 3), emblem.At(5, 3));
  EXPECT_EQ(c.At(0, 0), kBlack);
  const std::vector<std::u16string> texts(d.fake.graphics.textsDrawn.begin(),
                                          d.fake.graphics.textsDrawn.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), u"スピード"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), u"解答"), texts.end());
}

}  // namespace
}  // namespace kx
