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
// ticker's colour of that index, in the box and where the window shows it.
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
      for (const Point p :
           {Point{z.Of(left), z.Of(8)}, {z.Of(left + 8), z.Of(1)}, {z.Of(left + 8), z.Of(16) - 1}})
        EXPECT_EQ(a.At(p.x, p.y), 0x0000FF00u) << dpi << cell << p.x;  // each side, green
      EXPECT_EQ(a.At(z.Of(left + 15) - 1, z.Of(8)), kColorMarkGreen) << dpi << cell;
      EXPECT_EQ(a.At(z.Of(left + 2), z.Of(3)), kBlack) << dpi << cell;
      EXPECT_EQ(a.At(z.Of((left + 16) % 64), z.Of(8)), kBlack) << dpi << cell;
      EXPECT_EQ(a.At(z.Of(left + 7), z.Of(7)), ColorTable[cell]) << dpi << cell;
      const Point at{pictures.Layout().colorAreas[1].left, pictures.Layout().colorAreas[1].top};
      for (const Point p : {Point{z.Of(left) - 1, z.Of(8)},
                            {z.Of(left + 8), z.Of(1) - 1},
                            {z.Of(left + 8), z.Of(16)}})
        EXPECT_NE(pictures.Client().At(at.x + p.x, at.y + p.y), kColorMarkGreen) << dpi << cell;
    }
  }
}

// At 100 %: the sunken groove (4, 7)-(118, 10), ticks at x 4, 60, 116 from y 18 four pixels down,
// the scale text at (2, 25), the knob where its mask is white; captions 8 pixels in on a gap in
// their frame's line, labels, the emblem centred; band boxes W / 128 + 1 twips; the link redrawn.
TEST(WindowDrawing, SpeedBoxFramesAndLabelsStandWhereTheDesignPutsThem) {
  fake::FakeGraphics graphics;
  SettingsPictures pictures;
  const SystemColors c{0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060, 0x707070};
  pictures.SetUp(MakeWindowLayout(DisplayScale{}, 115), c);
  EXPECT_EQ(WindowHeightAt(DisplayScale{97}, 0), 141);  // 2100 twips at 97 dpi: 141.46 pixels
  pictures.PaintTitleBand(graphics, 4365, u"v");  // a window 291 pixels wide: boxes of 35 twips
  const Surface knob = MakeKnobImage();
  pictures.DrawSpeedBar(graphics, 3, knob, u"F S");  // the knob beyond the box
  const Surface bare = pictures.SpeedBox();
  graphics.textsDrawn.clear();
  pictures.DrawSpeedBar(graphics, 1, knob, u"F S");
  pictures.PaintFramesAndLabels(graphics, Surface(10, 10, kWhite));
  const Surface& bar = pictures.SpeedBox();
  const std::tuple<int, int, Color> groove[] = {
      {30, 7, c.shadow}, {4, 8, c.shadow},    {30, 9, c.highlight}, {117, 8, c.highlight},
      {30, 6, c.face},   {3, 8, c.face},      {30, 10, c.face},     {118, 8, c.face},
      {4, 10, c.face},   {4, 9, c.highlight}, {3, 9, c.face},       {118, 9, c.face},
      {117, 10, c.face}, {5, 8, c.light},     {116, 8, c.light}};
  for (const auto& [x, y, colour] : groove) EXPECT_EQ(bar.At(x, y), colour) << x << "," << y;
  for (const int x : {4, 116}) {
    for (int y = 17; y <= 22; ++y) EXPECT_EQ(bar.At(x, y) == kBlack, y >= 18 && y <= 21) << x << y;
  }
  for (int y = 0; y < knob.Height(); ++y) {
    for (int x = 0; x < kKnobMaskColumn; ++x)
      EXPECT_EQ(bar.At(56 + x, 1 + y),
                knob.At(kKnobMaskColumn + x, y) == kWhite ? knob.At(x, y) : bare.At(56 + x, 1 + y));
  }
  std::vector<std::pair<std::u16string, Point>> texts;
  for (const auto& t : graphics.textsDrawn)
    if (!(t.at == Point{0, 0})) texts.emplace_back(t.text, t.at);  // not a caption's measuring
  EXPECT_EQ(texts, (std::vector<std::pair<std::u16string, Point>>{{u"F S", {2, 25}},
                                                                  {u"スピード", {12, 24}},
                                                                  {u"色", {156, 24}},
                                                                  {u"問題", {158, 42}},
                                                                  {u"解答", {158, 66}}}));
  pictures.SetLinkText(graphics, u"a longer text");
  pictures.SetLinkText(graphics, u"ab");
  EXPECT_TRUE(!pictures.SetLinkColor(graphics, kLinkBlue) &&
              pictures.SetLinkColor(graphics, kLinkMagenta));
  // Band boxes 0 and 119, the line under them; the emblem on boxes 1 to 5; the speed frame's line,
  // cut for its caption; the question colour box's sunken edge at its sides; the link.
  const std::tuple<int, int, Color> client[] = {
      {1, 5, 0x000040FFu},    {279, 5, 0x0077B7FFu},  {0, 18, kBlack},        {100, 19, c.face},
      {3, 3, kWhite},         {12, 12, kWhite},       {13, 12, 0x000545FFu},  {2, 3, 0x000141FFu},
      {9, 30, c.shadow},      {10, 30, c.face},       {41, 30, c.face},       {42, 30, c.shadow},
      {100, 30, c.shadow},    {100, 31, c.highlight}, {100, 32, c.face},      {192, 38, c.shadow},
      {261, 45, c.highlight}, {200, 58, c.highlight}, {21, 96, kLinkMagenta}, {22, 96, c.face}};
  for (const auto& [x, y, colour] : client)
    EXPECT_EQ(pictures.Client().At(x, y), colour) << x << "," << y;
}

// At 100 % the colour dots and the emblem are the drawn art itself, and at
// 200 % each of its pixels doubled: whole scales stay as crisp as the art.
TEST(WindowDrawing, PicturesAtWholeScalesAreTheArtEnlarged) {
  for (const int factor : {1, 2}) {
    const DisplayScale z{96 * factor};
    for (const auto& [art, picture] : {std::pair{ColorCellsPicture(), ColorCellsPicture(z)},
                                       {EmblemPicture(), EmblemPicture(z)}}) {
      ASSERT_EQ(picture.Width(), art.Width() * factor);
      ASSERT_EQ(picture.Height(), art.Height() * factor);
      for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x)
          ASSERT_EQ(picture.At(x, y), art.At(x / factor, y / factor))
              << factor << ": " << x << "," << y;
      }
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
