#pragma once
// Screen units, in one place. The window is designed in twips (1440 to the
// logical inch) on a 96-dpi screen, where a pixel is 15 twips; the program
// draws that design enlarged by the screen's dpi / 96.
//
// Two factors, on purpose. The module's TwipsPerPixelX and TwipsPerPixelY
// are the platform's whole twips per pixel (1440 / dpi, halves to even); they
// serve only the twips arithmetic the design does on the window's own events
// (a tray message is x twips / TwipsPerPixelX; the closing click's
// coordinates), where a figure goes into twips and back by the same factor,
// so the rounding cancels. Everything drawn or hit-tested goes through
// DisplayScale instead, which is exact: at 192 dpi the whole factor is 8
// (7.5 rounded) and would draw the window 6 % too small, the scale is 2.

#include "forms/geometry.h"

namespace kx {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;
inline constexpr int kDesignTwipsPerPixel = kTwipsPerInch / kDesignDpi;

// A design figure in twips as pixels of the 96-dpi design, remainder dropped.
constexpr int DesignPixelsOf(int twips) { return twips / kDesignTwipsPerPixel; }

// To the nearest whole number, halves to the even neighbour: the platform's
// own integer conversion.
int RoundHalfEven(float value);
int RoundHalfEven(double value);

// The display's logical resolution. Everything on screen is designed in
// pixels of 96 dpi (100 %) and enlarged by dpi / 96: positions and sizes
// through Of(), rounded down so that neighbouring parts still meet; lines
// and borders by the whole factor Line(), so they stay evenly thick.
struct DisplayScale {
  int dpi = kDesignDpi;

  constexpr int Of(int designPixels) const { return FloorDiv(designPixels * dpi, kDesignDpi); }
  constexpr Point Of(Point p) const { return Point{Of(p.x), Of(p.y)}; }
  constexpr Rect Of(Rect r) const { return Rect{Of(r.left), Of(r.top), Of(r.right), Of(r.bottom)}; }
  // A design figure in twips, through the design's pixels as the layout places it.
  constexpr int OfTwips(int twips) const { return Of(DesignPixelsOf(twips)); }
  constexpr int Line() const { return dpi >= 2 * kDesignDpi ? dpi / kDesignDpi : 1; }
  // The design pixel whose enlarged span holds this pixel: the inverse of Of.
  constexpr int ToDesign(int pixels) const { return FloorDiv((pixels + 1) * kDesignDpi - 1, dpi); }
  // The exact factor, and the same as a whole number where it is one (else 0).
  constexpr double Factor() const { return static_cast<double>(dpi) / kDesignDpi; }
  constexpr int WholeFactor() const { return dpi % kDesignDpi == 0 ? dpi / kDesignDpi : 0; }
  // Screen pixels and twips of the real inch, as the platform sizes a window:
  // to pixels rounded halves to even, to twips rounded down.
  int PixelsOfTwips(int twips) const;
  constexpr int TwipsOfPixels(int pixels) const { return pixels * kTwipsPerInch / dpi; }
  // Rounded down on both sides of 0, so that the mapping has no seam there.
  static constexpr int FloorDiv(int n, int d) { return n >= 0 ? n / d : -((d - 1 - n) / d); }
  friend bool operator==(const DisplayScale&, const DisplayScale&) = default;
};

// The scale of a screen of this logical resolution. Screens below 96 dpi (or
// reporting nothing) get 96: the design is never drawn smaller.
DisplayScale ScaleOf(int dotsPerInch);

// Twips per screen pixel for a logical resolution: 1440 / dpi rounded, never
// below 1 (every pixel size divides by it); 15, the usual 96 dpi, for a
// screen that reports nothing.
int TwipsPerPixel(int dotsPerInch);

// The design's twips arithmetic on the window's events, by a whole factor:
// pixels to twips, and twips (rounded first) back to whole pixels.
constexpr int TwipsOf(int pixels, int twipsPerPixel) { return pixels * twipsPerPixel; }
int PixelsOf(float twips, int twipsPerPixel);

}  // namespace kx
