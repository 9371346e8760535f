#include "window/knob_image.h"

#include <algorithm>

namespace kx {

namespace {

constexpr Color kLit = 0x00FFE2E2;     // pale lavender: the top and left edge
constexpr Color kFace = 0x00FFC0B3;    // light blue
constexpr Color kShaded = 0x00E88145;  // blue: the right edge, inside the outline

void FillColumns(Surface& s, int y, int from, int to, Color color) {
  s.FillRect(Rect{from, y, to, y + 1}, color);
}

}  // namespace

Surface MakeKnobImage(DisplayScale scale) {
  const int point = scale.Of(4);  // the centre column
  const int width = 2 * point + 1;
  const int height = scale.Of(kKnobHeight + 1) - scale.Of(1);
  const int line = scale.Line();
  const int bodyEnd = height - point;  // the point's rows follow
  Surface knob(2 * width, height, kWhite);
  knob.FillRect(Rect{width, 0, 2 * width, height}, kBlack);
  for (int y = 0; y < height; ++y) {
    // Row by row the point narrows by a pixel on either side.
    const int inset = std::max(0, y - bodyEnd + 1);
    const int left = inset;
    const int right = width - inset;
    FillColumns(knob, y, left, right, kFace);
    FillColumns(knob, y, width + left, width + right, kWhite);
    FillColumns(knob, y, left, std::min(left + line, right), kLit);
    if (y < line) FillColumns(knob, y, left, right, kLit);
    if (y >= line) FillColumns(knob, y, std::max(left, right - 2 * line), right - line, kShaded);
    FillColumns(knob, y, std::max(left, right - line), right, kBlack);
  }
  return knob;
}

}  // namespace kx
