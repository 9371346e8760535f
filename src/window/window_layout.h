#pragma once
// Where the settings window's parts lie, in pixels of its client area. The
// window places its controls in twips; a twips figure becomes pixels by
// integer division by the screen's twips per pixel, and a frame's children
// are placed from the frame's top-left corner.

#include "forms/geometry.h"

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

inline constexpr int kTitleBandPixels = 18;
inline constexpr int kColorBoxBorder = 2;
inline constexpr int kWindowFontPixels = 13;  // the window font's line height

struct WindowLayout {
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;
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

// The layout at these scales; the client area as wide as designed and
// `clientHeight` pixels high.
WindowLayout MakeWindowLayout(int twipsPerPixelX, int twipsPerPixelY, int clientHeight);

// The client width the window was designed with, in pixels.
int DesignClientWidth(int twipsPerPixelX);

struct Hit {
  WindowPart part = WindowPart::kBackground;
  // The point in the part's own pixels (for a colour box: its drawing area).
  Point local;
};

// Where a part lies in the client area (for a colour box: its drawing area;
// the background is the whole client area).
Rect PartRect(const WindowLayout& layout, int linkWidth, WindowPart part);

// The part under a client point. `linkWidth` is the width of the link's
// text as last drawn.
Hit HitTest(const WindowLayout& layout, int linkWidth, Point client);

}  // namespace kx
