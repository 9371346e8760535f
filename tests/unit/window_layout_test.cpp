#include "window/window_layout.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

// Every part where the 96-dpi one is, times the factor, inside the window.
TEST(WindowLayout, ThePartsGrowWithTheScaleAndStayInTheWindow) {
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
    }
  }
}

TEST(WindowLayout, HitTestTable) {
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
  // Enlarged, each point still hits its part; the local point is that of
  // the scale's own pixels.
  for (const int dpi : kDpis) {
    const DisplayScale s{dpi};
    const WindowLayout l = MakeWindowLayout(s, s.Of(115));
    for (const auto& c : cases) {
      const Hit hit = HitTest(l, s.Of(175), s.Of(c.at));
      EXPECT_EQ(hit.part, c.part) << dpi << ": " << c.at.x << "," << c.at.y;
      if (dpi == 96) {
        EXPECT_EQ(hit.local, c.local) << c.at.x << "," << c.at.y;
      }
    }
  }
}

}  // namespace
}  // namespace kx
