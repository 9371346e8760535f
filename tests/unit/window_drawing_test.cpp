// The settings window's pictures at every display scale.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "fake/fake_platform.h"
#include "ticker/ticker_engine.h"
#include "window/art_pixels.h"
#include "window/edge_drawing.h"
#include "window/knob_image.h"
#include "window/scaled_pictures.h"
#include "window/settings_pictures.h"
#include "window/text_art.h"
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

// At 100 % the speed box has its sunken groove (4, 7)-(118, 10), ticks at x
// 4, 60 and 116 from y 18 four pixels down and the scale text at (2, 25);
// frame captions stand 8 pixels in, the labels at their places in the frame.
TEST(WindowDrawing, SpeedBoxFramesAndLabelsStandWhereTheDesignPutsThem) {
  fake::FakeGraphics graphics;
  SettingsPictures pictures;
  const SystemColors c{};
  pictures.SetUp(MakeWindowLayout(DisplayScale{}, 115), c);
  pictures.DrawSpeedBar(graphics, 1, MakeKnobImage(), u"F S");
  pictures.PaintFramesAndLabels(graphics, Surface(16, 16));
  const Surface& bar = pictures.SpeedBox();
  for (const auto& [x, y, colour] : {std::tuple{30, 7, c.shadow},
                                     {4, 8, c.shadow},
                                     {30, 9, c.highlight},
                                     {117, 8, c.highlight},
                                     {30, 6, c.face},
                                     {3, 8, c.face},
                                     {30, 10, c.face},
                                     {118, 8, c.face}}) {
    EXPECT_EQ(bar.At(x, y), colour) << x << "," << y;
  }
  for (const int x : {4, 116}) {
    for (int y = 17; y <= 22; ++y) EXPECT_EQ(bar.At(x, y) == kBlack, y >= 18 && y <= 21) << x << y;
  }
  EXPECT_EQ(pictures.Client().At(192, 38), c.shadow);  // the question colour box's sunken edge
  std::vector<std::pair<std::u16string, Point>> texts;
  for (const auto& t : graphics.textsDrawn) {
    if (!(t.at == Point{0, 0})) texts.emplace_back(t.text, t.at);  // not a caption's measuring
  }
  EXPECT_EQ(texts, (std::vector<std::pair<std::u16string, Point>>{{u"F S", {2, 25}},
                                                                  {u"スピード", {12, 24}},
                                                                  {u"色", {156, 24}},
                                                                  {u"問題", {158, 42}},
                                                                  {u"解答", {158, 66}}}));
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

// Edges and outlines are nested borders, each lit on one pair of sides,
// clipped to the surface: a sunken edge in the corner, a black outline two
// pixels wide, an etched edge over the right and bottom sides.
TEST(WindowDrawing, EdgesAndOutlinesAreNestedBordersClippedToTheSurface) {
  const SystemColors c{};
  Surface drawn(10, 10, c.face);
  DrawOutline(drawn, Point{0, 5}, Point{4, 9}, kBlack, 2);
  DrawSunkenEdge(drawn, Rect{0, 0, 4, 4}, c);
  DrawEtchedEdge(drawn, Rect{6, 6, 11, 11}, c);
  const std::string_view rows[] = {"sssh......", "sdlh......", "sllh......", "hhhh......",
                                   "..........", "kkkkk.....", "kkkkk.ssss", "kk.kk.shhs",
                                   "kkkkk.sh.s", "kkkkk.ssss"};
  const ArtColor legend[] = {{'.', c.face},       {'s', c.shadow}, {'h', c.highlight},
                             {'d', c.darkShadow}, {'l', c.light},  {'k', kBlack}};
  EXPECT_EQ(drawn, SurfaceFromArt(rows, legend));
}

// Between whole scales the pictures are drawn anew at their size: at 125 %
// the emblem is its art, 16 pixels; each colour dot is round about its art's
// centre, in its face colour (F) shaded (S) at the lower right, with one
// glint pixel (W) up left of the centre.
TEST(WindowDrawing, PicturesBetweenWholeScalesKeepTheArtsDotsAndColours) {
  EXPECT_EQ(EmblemPicture(DisplayScale{120}), EmblemPicture());
  const Surface art = ColorCellsPicture(), cells = ColorCellsPicture(DisplayScale{120});
  const std::string_view dot[] = {"...........", "....FFFF...", "..FFFFFFF..", "..FFFFFFFS.",
                                  ".FFFWFFFFS.", ".FFFFFFFFS.", ".FFFFFFFSS.", "..FFFFFFS..",
                                  "...FFFSSS..", "....SSS....", "..........."};
  for (int cell = 0; cell < 4; ++cell) {
    const int x = cell * 16 + 8;  // the middle column of the art's dot
    const ArtColor legend[] = {
        {'.', kBlack}, {'F', art.At(x, 7)}, {'S', art.At(x, 10)}, {'W', art.At(x - 1, 6)}};
    Surface drawn(11, 11);
    drawn.Blit(cells, cell * 20 + 5, 4, 11, 11, 0, 0);
    EXPECT_EQ(drawn, SurfaceFromArt(dot, legend)) << cell;
  }
}

}  // namespace
}  // namespace kx
