#include "window/window_layout.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(WindowLayout, HitTestFindsThePartAndItsLocalPointAtItsEdges) {
  const WindowLayout l = MakeWindowLayout(15, 15, 115);
  const struct {
    Point at;
    WindowPart part;
    Point local;
  } cases[] = {
      {{279, 18}, WindowPart::kBackground, {279, 18}},  // title band
      {{15, 15}, WindowPart::kIcon, {15, 15}},
      {{5, 30}, WindowPart::kSpeedFrame, {1, 6}},
      {{12, 44}, WindowPart::kSpeedBox, {0, 0}},
      {{132, 84}, WindowPart::kSpeedBox, {120, 40}},
      {{133, 60}, WindowPart::kSpeedFrame, {129, 36}},
      {{144, 50}, WindowPart::kBackground, {144, 50}},
      {{160, 70}, WindowPart::kAnswerLabel, {2, 4}},
      {{192, 38}, WindowPart::kColorBoxBorder, {0, 0}},
      {{194, 40}, WindowPart::kQuestionColorBox, {0, 0}},
      {{259, 56}, WindowPart::kQuestionColorBox, {65, 16}},
      {{200, 70}, WindowPart::kAnswerColorBox, {6, 6}},
      {{8, 96}, WindowPart::kLink, {0, 0}},
      {{182, 108}, WindowPart::kLink, {174, 12}},
      {{183, 100}, WindowPart::kBackground, {183, 100}},
      {{8, 109}, WindowPart::kBackground, {8, 109}},
  };
  for (const auto& c : cases) {
    const Hit hit = HitTest(l, 175, c.at);
    EXPECT_EQ(hit.part, c.part) << c.at.x << "," << c.at.y;
    EXPECT_EQ(hit.local, c.local) << c.at.x << "," << c.at.y;
  }
}

}  // namespace
}  // namespace kx
