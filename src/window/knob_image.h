#pragma once
// The speed slider's knob: a pointed picture with its mask beside it, the
// knob in the left half and the mask in the right. The mask is white where
// the knob is; the knob is white where the mask is black, so ORing the mask
// and then ANDing the knob paints the knob and leaves its surroundings as
// they were. At 96 dpi it is 18 x 17: the knob 9 wide, its point at column 4.

#include "forms/screen_units.h"
#include "forms/surface.h"

namespace kx {

inline constexpr int kKnobHeight = 17;
inline constexpr int kKnobMaskColumn = 9;  // first column of the mask

// Drawn at the size of the scale, not enlarged from the 96-dpi picture: its
// point stands over scale.Of(4), its tip right above scale.Of(18), where the
// ticks begin.
Surface MakeKnobImage(DisplayScale scale = {});

}  // namespace kx
