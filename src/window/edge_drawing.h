#pragma once
// Lines, outlines and 3-D edges on Surfaces, drawn the way the platform's
// line and edge functions draw them: a line leaves out its end point, an
// edge is two nested borders, one pixel thick at 96 dpi, each lit on one pair of sides and
// shaded on the other. Everything is clipped to the surface.

#include "forms/environment.h"
#include "forms/surface.h"

namespace kx {

// A horizontal or vertical line from `from` up to, not including, `to`.
void DrawLine(Surface& surface, Point from, Point to, Color color);

// The outline of the box whose corners are (left, top) and (right, bottom),
// both corners included, `line` pixels wide, inwards.
void DrawOutline(Surface& surface, Point topLeft, Point bottomRight, Color color, int line = 1);

// Sunken: shadow above and left, dark shadow inside it; highlight below and
// right, light inside it. `rect`'s right and bottom are exclusive.
void DrawSunkenEdge(Surface& surface, Rect rect, const SystemColors& colors, int line = 1);

// Etched, as a group box's border: a shadow line with a highlight line one
// pixel to its lower right.
void DrawEtchedEdge(Surface& surface, Rect rect, const SystemColors& colors, int line = 1);

}  // namespace kx
