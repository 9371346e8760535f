#pragma once
// Mouse buttons and shift keys as the handlers receive them: masks, so a
// move can report several buttons held at once.

namespace kx {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;

}  // namespace kx
