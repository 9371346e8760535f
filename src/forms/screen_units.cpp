#include "forms/screen_units.h"

#include <algorithm>
#include <cmath>

namespace kx {

// nearbyint follows the default rounding mode, which rounds halves to even.
int RoundHalfEven(float value) { return static_cast<int>(std::nearbyint(value)); }
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int DisplayScale::PixelsOfTwips(int twips) const {
  return RoundHalfEven(static_cast<float>(twips) * static_cast<float>(dpi) /
                       static_cast<float>(kTwipsPerInch));
}

DisplayScale ScaleOf(int dotsPerInch) { return DisplayScale{std::max(dotsPerInch, kDesignDpi)}; }

int TwipsPerPixel(int dotsPerInch) {
  if (dotsPerInch <= 0) return kDesignTwipsPerPixel;
  return std::max(1, RoundHalfEven(static_cast<double>(kTwipsPerInch) / dotsPerInch));
}

int PixelsOf(float twips, int twipsPerPixel) { return RoundHalfEven(twips) / twipsPerPixel; }

}  // namespace kx
