#include "ticker/tray_message.h"

#include "forms/screen_units.h"

#include <cassert>
#include <cmath>

namespace kx {

int TrayMessageOf(float xTwips, int twipsPerPixelX) {
  assert(twipsPerPixelX > 0 && "twips per pixel must be positive");
  // Message numbers are far below this; anything larger, or not a number,
  // would overflow the rounding into int.
  constexpr float kLimit = 1.0e9f;
  if (twipsPerPixelX <= 0 || !(std::fabs(xTwips) < kLimit)) return 0;
  return PixelsOf(xTwips, twipsPerPixelX);
}

}  // namespace kx
