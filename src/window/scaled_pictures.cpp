#include "window/scaled_pictures.h"

#include <algorithm>

#include "window/art_pixels.h"

namespace kx {

namespace {

// Every pixel of `picture` as a factor x factor block.
Surface Enlarged(const Surface& picture, int factor) {
  Surface big(picture.Width() * factor, picture.Height() * factor);
  for (int y = 0; y < big.Height(); ++y) {
    for (int x = 0; x < big.Width(); ++x) big.Set(x, y, picture.At(x / factor, y / factor));
  }
  return big;
}

bool InDisc(double x, double y, double centreX, double centreY, double radius) {
  const double dx = x - centreX;
  const double dy = y - centreY;
  return dx * dx + dy * dy <= radius * radius;
}

}  // namespace

Surface EmblemPicture(DisplayScale scale) {
  const Surface design = EmblemPicture();
  const int pitch = std::max(2, scale.Of(2));
  const int gap = scale.Line();
  Surface emblem(8 * pitch, 8 * pitch);
  for (int y = 0; y < emblem.Height(); ++y) {
    for (int x = 0; x < emblem.Width(); ++x) {
      // Each dot sits at the lower right of its pitch, after a black gap.
      if (x % pitch < gap || y % pitch < gap) continue;
      emblem.Set(x, y, design.At(2 * (x / pitch) + 1, 2 * (y / pitch) + 1));
    }
  }
  return emblem;
}

Surface ColorCellsPicture(DisplayScale scale) {
  const Surface design = ColorCellsPicture();
  if (scale.WholeFactor() != 0) return Enlarged(design, scale.WholeFactor());
  // The dots of the design: centre and radius in design pixels, their face
  // colour at the centre, the shade at the bottom, the glint up left.
  struct Dot {
    double centreX, centreY, radius;
    Point face, shade, glint;
  };
  static constexpr Dot kDots[] = {
      {8.5, 7.5, 3.5, {8, 7}, {8, 10}, {7, 6}},     {24.5, 7.5, 3.5, {24, 7}, {24, 10}, {23, 6}},
      {40.5, 7.5, 3.5, {40, 7}, {40, 10}, {39, 6}}, {56.5, 7.5, 3.5, {56, 7}, {56, 10}, {55, 6}},
      {72.5, 7.5, 2.5, {72, 7}, {72, 9}, {72, 7}},
  };
  const double s = scale.Factor();
  const double line = scale.Line();
  Surface cells(scale.Of(design.Width()), scale.Of(design.Height()));
  for (const Dot& dot : kDots) {
    const double cx = dot.centreX * s;
    const double cy = dot.centreY * s;
    const double r = dot.radius * s;
    const Point glint{static_cast<int>(cx - s), static_cast<int>(cy - s)};
    for (int y = 0; y < cells.Height(); ++y) {
      for (int x = 0; x < cells.Width(); ++x) {
        if (!InDisc(x + 0.5, y + 0.5, cx, cy, r)) continue;
        // The rim that a shift to the lower right leaves the disc by is shaded.
        const bool shaded = !InDisc(x + 0.5 + line, y + 0.5 + line, cx, cy, r);
        const Point from = Point{x, y} == glint ? dot.glint : shaded ? dot.shade : dot.face;
        cells.Set(x, y, design.At(from.x, from.y));
      }
    }
  }
  return cells;
}

}  // namespace kx
