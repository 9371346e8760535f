#include "forms/twips.h"

#include <algorithm>
#include <cmath>

namespace kx {

// nearbyint follows the default rounding mode, which rounds halves to even.
int RoundHalfEven(float value) { return static_cast<int>(std::nearbyint(value)); }
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int TwipsPerPixel(int dotsPerInch) {
  if (dotsPerInch <= 0) return 15;
  return std::max(1, RoundHalfEven(1440.0 / dotsPerInch));
}

DisplayScale ScaleOf(int dotsPerInch) { return DisplayScale{std::max(dotsPerInch, 96)}; }

}  // namespace kx
