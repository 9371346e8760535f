#pragma once
// Where the settings window's parts lie, in pixels of its client area, and
// the window's own size. The window places its controls in twips; a twips
// figure becomes pixels of the 96-dpi design (forms/screen_units.h), a
// frame's children are placed from the frame's top-left corner, and the whole
// design is then enlarged by the display's scale.

#include "forms/screen_units.h"

namespace kx {

enum class WindowPart {
  kBackground,  // the bare window, title band included: a click closes
  kSpeedFrame,
  kColorFrame,
  kQuestionLabel,
  kAnswerLabel,
  kSpeedBox,          // picSpeed
  kQuestionColorBox,  // picColorType(0)
  kAnswerColorBox,    // picColorType(1)
  kColorBoxBorder,    // the sunken border of either colour box
  kLink,              // lblURL
  kIcon,              // imgIcon
};

// In pixels of the 96-dpi design.
inline constexpr int kTitleBandPixels = 18;
inline constexpr int kColorBoxBorder = 2;
inline constexpr int kWindowFontPixels = 13;  // the window font's line height

struct WindowLayout {
  DisplayScale scale;
  int clientWidth = 0;
  int clientHeight = 0;
  Rect speedFrame;
  Rect colorFrame;
  Rect questionLabel;
  Rect answerLabel;
  Rect speedBox;
  Rect colorBoxes[2];  // outer rectangles, border included
  Rect colorAreas[2];  // the drawing areas inside the border
  Point linkOrigin;    // the link sizes itself to its text
  int linkHeight = 0;
  Rect icon;
};

// The layout at this scale; the client area as wide as designed, enlarged,
// and `clientHeight` pixels high.
WindowLayout MakeWindowLayout(DisplayScale scale, int clientHeight);

// The client area the window is created with, at this scale.
Point ClientSizeAt(DisplayScale scale);
// The window's outer height once it has traded its caption for the drawn
// title band: the design's height, the caption (in pixels) taken off.
int WindowHeightAt(DisplayScale scale, int captionHeight);

struct Hit {
  WindowPart part = WindowPart::kBackground;
  // The point in the part's own pixels (for a colour box: its drawing area).
  Point local;
};

// The part under a client point. `linkWidth` is the width of the link's
// text as last drawn.
Hit HitTest(const WindowLayout& layout, int linkWidth, Point client);

}  // namespace kx
