#include "scheduling/wake_timer.h"

namespace curfew {

void WakeTimer::WakeMomentChanged(const std::optional<LocalDateTime>& moment, bool rearm) {
  // The moment on the UTC clock, by the zone's rules for that date: a run after a change to or
  // from summer time wakes the computer at its own local time.
  const std::optional<UtcDateTime> due = moment ? clock_.ToUtc(*moment) : std::nullopt;
  if (!rearm && due == armed_) return;
  if (!due) {
    Cancel();
    return;
  }
  armed_ = power_.ArmWakeTimer(*due, reason_()) ? due : std::nullopt;
}

void WakeTimer::Cancel() {
  if (!armed_) return;
  power_.CancelWakeTimer();
  armed_.reset();
}

}  // namespace curfew
