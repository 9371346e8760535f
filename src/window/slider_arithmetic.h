#pragma once
// The settings window's input arithmetic: which speed step or colour cell a
// point in a box selects, and whether a drag moves the knob. Coordinates and
// box sizes are the 96-dpi design's pixels, as pointer routing converts the
// mouse events: whole values in single precision.

#include <cstdint>

namespace kx {

inline constexpr int kSliderStepWidth = 43;
inline constexpr int kColorCellWidth = 16;

// round(x) \ 43. Never above the slowest step: at coarse screen scales the
// box grows wider than three steps and would offer a fourth step that the
// knob and the timer do not have.
std::int16_t SpeedLevelAt(float x);

// A drag moves the knob only with the left button alone and strictly inside
// the box (unrounded coordinates); moves that arrive while the pointer is
// held outside the box leave the level alone.
bool DragSetsSpeed(int buttons, float x, float y, int boxWidth, int boxHeight);

// round(x) \ 16, at most 3: the visible columns of the fifth cell count as
// the fourth colour.
std::int32_t ColorCellAt(float x);

}  // namespace kx
