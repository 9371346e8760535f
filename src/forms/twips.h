#pragma once
// Screen units. The window's own sizes and mouse positions are in twips
// (1440 to the logical inch); every conversion to whole pixels rounds the
// way the platform's integer conversion does: halves to the even neighbour.

#include "forms/geometry.h"

namespace kx {

// To the nearest whole number, halves to the even neighbour.
int RoundHalfEven(float value);
int RoundHalfEven(double value);

// Twips per screen pixel for a logical resolution: 1440 / dpi rounded, never
// below 1 (every pixel size divides by it); 15, the usual 96 dpi, for a
// screen that reports nothing.
int TwipsPerPixel(int dotsPerInch);

// The scale of a screen of this logical resolution. Screens below 96 dpi (or
// reporting nothing) get 96: the design is never drawn smaller.
DisplayScale ScaleOf(int dotsPerInch);

}  // namespace kx
