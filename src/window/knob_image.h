#pragma once
// The speed slider's knob: an 18 x 17 picture, the knob in columns 0 to 8
// and its mask in columns 9 to 17. The mask is white where the knob is; the
// knob is white where the mask is black, so ORing the mask and then ANDing
// the knob paints the knob and leaves its surroundings as they were.

#include "forms/surface.h"

namespace kx {

inline constexpr int kKnobWidth = 9;
inline constexpr int kKnobHeight = 17;
inline constexpr int kKnobMaskColumn = 9;  // first column of the mask

Surface MakeKnobImage();

}  // namespace kx
