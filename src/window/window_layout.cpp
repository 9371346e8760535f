#include "window/window_layout.h"

#include <cassert>

namespace kx {

namespace {

// Design-time placement in twips: left, top, width, height.
struct TwipsBox {
  int left, top, width, height;
};

// The window: its client area as created, and its outer height once the
// caption is gone.
constexpr int kClientWidth = 4200;
constexpr int kClientHeight = 1425;
constexpr int kWindowHeight = 2100;
constexpr TwipsBox kSpeedFrame{60, 360, 2055, 975};
constexpr TwipsBox kSpeedBox{120, 300, 1815, 615};  // in kSpeedFrame
constexpr TwipsBox kColorFrame{2220, 360, 1875, 975};
constexpr TwipsBox kQuestionLabel{150, 270, 435, 255};  // in kColorFrame
constexpr TwipsBox kAnswerLabel{150, 630, 435, 255};    // in kColorFrame
constexpr TwipsBox kColorBoxes[2] = {{660, 210, 1050, 315}, {660, 570, 1050, 315}};
constexpr int kLinkLeft = 120;
constexpr int kLinkTop = 1440;
constexpr int kLinkHeight = 195;
constexpr int kIconPosition = 8;  // imgIcon is moved to (8, 8) at load
constexpr int kIconSize = 240;

Rect Place(const TwipsBox& box, DisplayScale scale, Point origin = {}) {
  const int left = origin.x + DesignPixelsOf(box.left);
  const int top = origin.y + DesignPixelsOf(box.top);
  return scale.Of(
      Rect{left, top, left + DesignPixelsOf(box.width), top + DesignPixelsOf(box.height)});
}

Rect Shrunk(Rect r, int by) { return Rect{r.left + by, r.top + by, r.right - by, r.bottom - by}; }

Point Local(Rect r, Point client) { return Point{client.x - r.left, client.y - r.top}; }

}  // namespace

Point ClientSizeAt(DisplayScale scale) {
  return Point{scale.OfTwips(kClientWidth), scale.OfTwips(kClientHeight)};
}

int WindowHeightAt(DisplayScale scale, int captionHeight) {
  return scale.PixelsOfTwips(kWindowHeight) - captionHeight;
}

WindowLayout MakeWindowLayout(DisplayScale scale, int clientHeight) {
  assert(scale.dpi > 0 && "a display has a positive resolution");
  WindowLayout l;
  l.scale = scale;
  l.clientWidth = ClientSizeAt(scale).x;
  l.clientHeight = clientHeight;
  const Rect speedFrame = Place(kSpeedFrame, DisplayScale{});
  const Rect colorFrame = Place(kColorFrame, DisplayScale{});
  // Children are placed from their frame's corner in the design, then
  // scaled with it, so they keep their place inside it.
  const Point speedOrigin{speedFrame.left, speedFrame.top};
  const Point colorOrigin{colorFrame.left, colorFrame.top};
  l.speedFrame = scale.Of(speedFrame);
  l.colorFrame = scale.Of(colorFrame);
  l.speedBox = Place(kSpeedBox, scale, speedOrigin);
  l.questionLabel = Place(kQuestionLabel, scale, colorOrigin);
  l.answerLabel = Place(kAnswerLabel, scale, colorOrigin);
  for (int i = 0; i < 2; ++i) {
    l.colorBoxes[i] = Place(kColorBoxes[i], scale, colorOrigin);
    l.colorAreas[i] = Shrunk(l.colorBoxes[i], kColorBoxBorder * scale.Line());
  }
  l.linkOrigin = Point{scale.OfTwips(kLinkLeft), scale.OfTwips(kLinkTop)};
  l.linkHeight = scale.OfTwips(kLinkHeight);
  l.icon = Place(TwipsBox{kIconPosition, kIconPosition, kIconSize, kIconSize}, scale);
  return l;
}

Hit HitTest(const WindowLayout& l, int linkWidth, Point p) {
  const Rect link{l.linkOrigin.x, l.linkOrigin.y, l.linkOrigin.x + linkWidth,
                  l.linkOrigin.y + l.linkHeight};
  if (link.Contains(p)) return {WindowPart::kLink, Local(link, p)};
  if (l.icon.Contains(p)) return {WindowPart::kIcon, Local(l.icon, p)};
  if (l.speedBox.Contains(p)) return {WindowPart::kSpeedBox, Local(l.speedBox, p)};
  constexpr WindowPart kBoxes[2] = {WindowPart::kQuestionColorBox, WindowPart::kAnswerColorBox};
  for (int i = 0; i < 2; ++i) {
    if (l.colorAreas[i].Contains(p)) return {kBoxes[i], Local(l.colorAreas[i], p)};
    if (l.colorBoxes[i].Contains(p))
      return {WindowPart::kColorBoxBorder, Local(l.colorBoxes[i], p)};
  }
  if (l.questionLabel.Contains(p)) return {WindowPart::kQuestionLabel, Local(l.questionLabel, p)};
  if (l.answerLabel.Contains(p)) return {WindowPart::kAnswerLabel, Local(l.answerLabel, p)};
  if (l.speedFrame.Contains(p)) return {WindowPart::kSpeedFrame, Local(l.speedFrame, p)};
  if (l.colorFrame.Contains(p)) return {WindowPart::kColorFrame, Local(l.colorFrame, p)};
  return {WindowPart::kBackground, p};
}

}  // namespace kx
