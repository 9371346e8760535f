#include "win32/timer_win.h"

#include <cassert>

namespace kx::win {

TimerWin::~TimerWin() {
  enabled_ = false;
  Apply();
}

void TimerWin::SetInterval(int milliseconds) {
  assert(milliseconds >= 0 && "a timer interval is never negative");
  interval_ = milliseconds;
  Apply();
}

void TimerWin::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Apply();
}

void TimerWin::Apply() {
  const HWND window = window_();
  const bool wanted = enabled_ && interval_ > 0;
  if (wanted) {
    assert(window != nullptr && "a window timer runs only once the window exists");
    if (window == nullptr) return;
    // SetTimer with the same id replaces the timer and restarts its count.
    running_ = SetTimer(window, id_, static_cast<UINT>(interval_), nullptr) != 0;
  } else if (running_) {
    if (window != nullptr) (void)KillTimer(window, id_);
    running_ = false;
  }
}

}  // namespace kx::win
