#pragma once
// Timer1 as the program sees it, held back while nobody can see the tray.
// A tick then changes nothing anyone could notice, so the timer stops
// altogether (no wake-ups) and goes on unchanged once every reason has
// ended. The program's own state always wins: a pause never starts a timer
// the program stopped, and what the program sets during a pause is what runs
// once it ends.

#include <cstdint>

#include "forms/timer.h"

namespace kx {

// Why nobody can see the tray, as the system reports it. Each has its own
// end: an unlock does not end a disconnected session, nor does a console
// connect end a lock.
enum class PauseReason : std::uint8_t {
  kLocked,
  kSwitchedAway,  // the session is disconnected: another user, or remote
  kDisplayOff,
  kSuspended,
  kFullScreen,  // a full-screen program, game or presentation
};

// How often the full-screen state is asked for, where the platform can only
// be asked: a few times a minute, never per tick.
inline constexpr int kFullScreenPollMilliseconds = 5000;

class PausableTimer final : public Timer {
 public:
  explicit PausableTimer(Timer& ticks) : ticks_(ticks) {}
  PausableTimer(const PausableTimer&) = delete;
  PausableTimer& operator=(const PausableTimer&) = delete;

  void SetInterval(int milliseconds) override { ticks_.SetInterval(milliseconds); }
  int Interval() const override { return ticks_.Interval(); }
  // The program's own state, kept through a pause.
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return wanted_; }

  // `reason` began (holds) or ended. True when this ended the pause.
  bool Report(PauseReason reason, bool holds);
  bool Paused() const { return reasons_ != 0; }

  // `polls`, whose ticks ask the system whether a full-screen program runs,
  // runs only while the program's timer would tick but for one: while it is
  // off, locked or dark there is nothing to hold back.
  void WatchFullScreenWith(Timer& polls);

 private:
  void UpdatePolls();

  Timer& ticks_;
  Timer* polls_ = nullptr;
  unsigned reasons_ = 0;  // a bit per PauseReason
  bool wanted_ = false;
};

}  // namespace kx
