// Pointer events on the settings window reach their handler with the
// control's design pixels, or the window's twips; a press holds the mouse.
#include <gtest/gtest.h>

#include "app/pointer_routing.h"
#include "forms/mouse.h"

namespace kx {

using enum Handler;

// Design pixels: the speed box at (12, 44), the colour areas at (194, 40)
// and (194, 64); 12 and 15 twips to the pixel. The shell's notifications come as
// moves at y 0 with the left button, from the start; while a press (any button, anywhere)
// holds the mouse they are none, nor is a plain move across the window,
// wider than the message numbers from 200 % on.
TEST(PointerRouting, DesignPixelsOrTwipsAndWhatAPressHolds) {
  for (const int dpi : {96, 144, 192}) {
    const DisplayScale s{dpi};
    const WindowLayout layout = MakeWindowLayout(s, s.Of(115));
    const PointerSpace space{layout, s.Of(100), 12, 15};
    const auto at = [&](int x, int y) { return Point{s.Of(x), s.Of(y)}; };
    PointerRouting r;
    EXPECT_TRUE(r.Move(space, {0x204, 1}, kLeftButton, 0).handler == kBackgroundMove &&
                r.Move(space, {0x204, 0}, kLeftButton, 0).handler == kForm_MouseMove);
    for (const Point p : {at(200, 45), at(5, 30), at(55, 64)}) {
      (void)r.Down(space, p, kRightButton, 0);
      EXPECT_EQ(r.Move(space, {0x203, 0}, kLeftButton, 0).handler, kBackgroundMove) << p.x;
      r.CaptureEnded();
    }
    EXPECT_EQ(r.Down(space, at(200, 70), kRightButton, 0).index, 1);  // the answer colour
    EXPECT_EQ(r.Down(space, at(55, 64), kLeftButton, kShiftKey),
              (HandlerCall{kpicSpeed_MouseDown, 0, kLeftButton, kShiftKey, 43, 20}));
    EXPECT_EQ(r.Move(space, at(162, 14), kLeftButton, 0),
              (HandlerCall{kpicSpeed_MouseMove, 0, kLeftButton, 0, 150, -30}));
    r.CaptureEnded();
    EXPECT_EQ(r.Move(space, {0x203, 0}, kLeftButton, 0),
              (HandlerCall{kForm_MouseMove, 0, kLeftButton, 0, 0x203 * 12, 0}));
    EXPECT_EQ(r.Down(space, {2, 110}, kMiddleButton, 0),
              (HandlerCall{kForm_MouseDown, 0, kMiddleButton, 0, 2 * 12, 110 * 15}));
  }
}

}  // namespace kx
