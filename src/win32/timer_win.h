#pragma once
// A window timer of the form's window: Timer1, whose WM_TIMER reaches the
// form as Timer1_Timer, or the full-screen polls.

#include "win32/windows_api.h"

#include <functional>

#include "forms/timer.h"

namespace kx::win {

// The ids of Timer1 and of the full-screen polls among the window's timers.
inline constexpr UINT_PTR kTimer1Id = 1;
inline constexpr UINT_PTR kFullScreenPollId = 2;

class TimerWin final : public Timer {
 public:
  // `window` gives the form's window; it must exist before the timer runs.
  explicit TimerWin(std::function<HWND()> window, UINT_PTR id = kTimer1Id)
      : window_(std::move(window)), id_(id) {}
  TimerWin(const TimerWin&) = delete;
  TimerWin& operator=(const TimerWin&) = delete;
  ~TimerWin() override;

  // A new interval takes effect at once when the timer runs. An interval of
  // 0 gives no ticks.
  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }

 private:
  void Apply();

  std::function<HWND()> window_;
  UINT_PTR id_;
  int interval_ = 0;
  bool enabled_ = false;
  bool running_ = false;
};

}  // namespace kx::win
