// Pointer events on the settings window reach their handler with the
// control's design pixels, or the window's twips, and a press holds the mouse.
#include <gtest/gtest.h>

#include "app/pointer_routing.h"
#include "forms/mouse.h"

namespace kx {
namespace {

using enum Handler;

// Design pixels: the speed box at (12, 44), the link at (8, 96); 12 twips to
// the pixel. Until the capture ends no move reads as a tray message.
TEST(PointerRouting, DesignPixelsOrTwipsAndWhatAPressHolds) {
  for (const int dpi : {96, 144, 192}) {
    const DisplayScale s{dpi};
    const WindowLayout layout = MakeWindowLayout(s, s.Of(115));
    const PointerSpace space{layout, s.Of(100), 12, 12};
    const auto at = [&](int x, int y) { return Point{s.Of(x), s.Of(y)}; };
    PointerRouting r;
    EXPECT_EQ(r.Down(space, at(55, 64), kLeftButton, kShiftKey),
              (HandlerCall{kpicSpeed_MouseDown, 0, kLeftButton, kShiftKey, 43, 20}));
    EXPECT_EQ(r.Move(space, at(162, 14), kLeftButton, 0),
              (HandlerCall{kpicSpeed_MouseMove, 0, kLeftButton, 0, 150, -30}));
    EXPECT_EQ(r.Move(space, {0x203, 0}, kLeftButton, 0).handler, kpicSpeed_MouseMove);
    EXPECT_EQ(r.Move(space, {0x203, 0}, 0, 0).handler, kBackgroundMove);  // released
    EXPECT_EQ(r.Move(space, {0x203, 0}, kLeftButton, 0).handler, kBackgroundMove);
    r.CaptureEnded();
    EXPECT_EQ(r.Move(space, {0x203, 0}, kLeftButton, 0),
              (HandlerCall{kForm_MouseMove, 0, kLeftButton, 0, 0x203 * 12, 0}));
    EXPECT_EQ(r.Down(space, {2, 110}, kMiddleButton, 0),
              (HandlerCall{kForm_MouseDown, 0, kMiddleButton, 0, 2 * 12, 110 * 12}));
    EXPECT_EQ(r.Click(space, at(11, 98)).handler, klblURL_Click);
  }
}

}  // namespace
}  // namespace kx
