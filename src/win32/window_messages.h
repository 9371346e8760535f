#pragma once
// Numbers of the window messages the binding handles beyond the system's
// fixed ones.

#include "win32/windows_api.h"

namespace kx::win {

// The shell broadcasts this registered message when it (re)starts: icons of
// running programs must then be added again.
inline UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

// Posted to the window itself: the display may have changed.
inline constexpr UINT kDisplayChangedMessage = WM_APP + 0x17;

}  // namespace kx::win
