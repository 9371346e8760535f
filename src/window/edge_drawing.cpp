#include "window/edge_drawing.h"

#include <cassert>

namespace kx {

namespace {

void Plot(Surface& s, int x, int y, Color color) {
  if (x >= 0 && x < s.Width() && y >= 0 && y < s.Height()) s.Set(x, y, color);
}

// One border of an edge: the upper-left colour runs from the lower-left
// corner up and across the top, then the lower-right colour from the
// upper-right corner down and back along the bottom, over the corners the
// first one drew.
void DrawBorder(Surface& s, Rect r, Color upperLeft, Color lowerRight) {
  DrawLine(s, {r.left, r.bottom - 1}, {r.left, r.top}, upperLeft);
  DrawLine(s, {r.left, r.top}, {r.right, r.top}, upperLeft);
  DrawLine(s, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, lowerRight);
  DrawLine(s, {r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}, lowerRight);
}

Rect Inside(Rect r) { return Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}; }

}  // namespace

void DrawLine(Surface& surface, Point from, Point to, Color color) {
  assert((from.x == to.x || from.y == to.y) && "only straight lines are drawn");
  const int dx = (to.x > from.x) - (to.x < from.x);
  const int dy = (to.y > from.y) - (to.y < from.y);
  for (Point p = from; p != to; p = Point{p.x + dx, p.y + dy}) Plot(surface, p.x, p.y, color);
}

void DrawOutline(Surface& surface, Point topLeft, Point bottomRight, Color color, int line) {
  for (int i = 0; i < line; ++i) {
    const Point from{topLeft.x + i, topLeft.y + i};
    const Point to{bottomRight.x - i, bottomRight.y - i};
    for (int x = from.x; x <= to.x; ++x) {
      Plot(surface, x, from.y, color);
      Plot(surface, x, to.y, color);
    }
    for (int y = from.y; y <= to.y; ++y) {
      Plot(surface, from.x, y, color);
      Plot(surface, to.x, y, color);
    }
  }
}

// Each of the edge's two borders is `line` pixels thick.
void DrawSunkenEdge(Surface& surface, Rect rect, const SystemColors& colors, int line) {
  for (int i = 0; i < line; ++i, rect = Inside(rect)) {
    DrawBorder(surface, rect, colors.shadow, colors.highlight);
  }
  for (int i = 0; i < line; ++i, rect = Inside(rect)) {
    DrawBorder(surface, rect, colors.darkShadow, colors.light);
  }
}

void DrawEtchedEdge(Surface& surface, Rect rect, const SystemColors& colors, int line) {
  for (int i = 0; i < line; ++i, rect = Inside(rect)) {
    DrawBorder(surface, rect, colors.shadow, colors.highlight);
  }
  for (int i = 0; i < line; ++i, rect = Inside(rect)) {
    DrawBorder(surface, rect, colors.highlight, colors.shadow);
  }
}

}  // namespace kx
