#pragma once
// The screen's resolution as the system reports it now, and the sizes the
// system gives things at a resolution. Functions newer than the oldest
// system the program runs on are looked up when first needed; without them
// the answers are those of the resolution the session started with.

#include "win32/windows_api.h"

namespace kx::win {

struct Dpi {
  int x = 96;
  int y = 96;
};

// The logical resolution of the monitor the taskbar is on, where the tray
// shows the program's icon (the primary monitor without a taskbar).
Dpi DisplayDpi();

// GetSystemMetrics(index) for a screen of `dpi`.
int SystemMetricForDpi(int index, int dpi);

// The outer size of a window of this style whose client area is `client`,
// on a screen of `dpi`.
SIZE OuterSizeForDpi(SIZE client, DWORD style, DWORD exStyle, int dpi);

}  // namespace kx::win
