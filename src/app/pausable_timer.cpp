#include "app/pausable_timer.h"

namespace kx {
namespace {

constexpr unsigned Bit(PauseReason reason) { return 1u << static_cast<unsigned>(reason); }

}  // namespace

void PausableTimer::SetEnabled(bool enabled) {
  wanted_ = enabled;
  ticks_.SetEnabled(enabled && !Paused());
  UpdatePolls();
}

bool PausableTimer::Report(PauseReason reason, bool holds) {
  const bool was = Paused();
  reasons_ = holds ? reasons_ | Bit(reason) : reasons_ & ~Bit(reason);
  // Only a change of the pause touches the timer: a repeated signal must not
  // restart the count of a running one.
  if (wanted_ && was != Paused()) ticks_.SetEnabled(!Paused());
  UpdatePolls();
  return was && !Paused();
}

void PausableTimer::WatchFullScreenWith(Timer& polls) {
  polls_ = &polls;
  polls_->SetInterval(kFullScreenPollMilliseconds);
  UpdatePolls();
}

void PausableTimer::UpdatePolls() {
  if (polls_ == nullptr) return;
  const bool wanted = wanted_ && (reasons_ & ~Bit(PauseReason::kFullScreen)) == 0;
  if (polls_->Enabled() != wanted) polls_->SetEnabled(wanted);
}

}  // namespace kx
