#include <gtest/gtest.h>

#include "app/form.h"
#include "forms/twips.h"
#include "window/slider_arithmetic.h"

namespace kx {
namespace {

TEST(WindowInput, SliderAndColourCellsStepAtHalvesRoundedToEven) {
  const struct {
    float x;
    int level, cell;
  } cases[] = {{0, 0, 0},  {15.5f, 0, 1}, {42.5f, 0, 2}, {42.6f, 1, 2},
               {47, 1, 2}, {48, 1, 3},    {86, 2, 3},    {200, 2, 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(SpeedLevelAt(c.x), c.level) << c.x;
    EXPECT_EQ(ColorCellAt(c.x), c.cell) << c.x;
  }
}

// A pixel of an enlarged box maps back to the design pixel it belongs to.
TEST(WindowInput, ScaledPixelsMapBackToTheirDesignPixel) {
  for (const int dpi : {96, 120, 144, 192}) {
    const DisplayScale s{dpi};
    for (int x = -3; x < 130; ++x) EXPECT_EQ(s.ToDesign(s.Of(x)), x) << dpi;
    for (int px = -3; px < s.Of(130); ++px) {
      const int x = s.ToDesign(px);
      EXPECT_TRUE(s.Of(x) <= px && px < s.Of(x + 1)) << dpi << " " << px;
    }
  }
}

TEST(WindowInput, DragNeedsTheLeftButtonAloneStrictlyInsideTheBox) {
  const struct {
    int buttons;
    float x, y;
    bool moves;
  } cases[] = {
      {kLeftButton, 0.5f, 0.5f, true}, {kLeftButton, 120.5f, 20, true},
      {kLeftButton, 0, 20, false},     {kLeftButton, 60, 41, false},
      {kLeftButton, 121, 20, false},   {kLeftButton | kRightButton, 60, 20, false},
      {kMiddleButton, 60, 20, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DragSetsSpeed(c.buttons, c.x, c.y, 121, 41), c.moves)
        << c.buttons << " " << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace kx
