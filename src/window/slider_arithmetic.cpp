#include "window/slider_arithmetic.h"

#include <algorithm>

#include "forms/mouse.h"
#include "forms/screen_units.h"
#include "settings/settings.h"

namespace kx {

std::int16_t SpeedLevelAt(float x) {
  const int level = RoundHalfEven(x) / kSliderStepWidth;
  return static_cast<std::int16_t>(std::clamp(level, 0, static_cast<int>(kSlowestSpeed)));
}

bool DragSetsSpeed(int buttons, float x, float y, int boxWidth, int boxHeight) {
  return buttons == kLeftButton && x > 0.0f && x < static_cast<float>(boxWidth) && y > 0.0f &&
         y < static_cast<float>(boxHeight);
}

std::int32_t ColorCellAt(float x) {
  return std::clamp(RoundHalfEven(x) / kColorCellWidth, 0, kLastColor);
}

}  // namespace kx
