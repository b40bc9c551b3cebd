// The main window's wake timer: the computer wakes from sleep or hibernation in time for the
// earliest coming run of a stored schedule, its warning included.
#include "platform/date_arithmetic.h"
#include "power/mod_power.h"
#include "ui/frm_main.h"

namespace curfew {
namespace {

using date_arithmetic::AddSeconds;
using date_arithmetic::SecondsBetween;
using date_arithmetic::StartOfMinute;

// Waking takes time, and the scheduler's tick must see the minute come: the computer wakes this
// much before the warning.
constexpr long long kWakeMarginSeconds = 60;

}  // namespace

// Stand by does not wake the computer only to send it to sleep again; nothing wakes it while
// schedules are prevented or the preference is off. The temporary schedule lives only as long
// as the session, so only stored schedules wake it.
std::optional<LocalDateTime> frmMain::WakeMoment(const LocalDateTime& now) {
  if (chkPrevent.Value() == 1 || MachineSetting("chkWake") == "0") return std::nullopt;
  std::optional<LocalDateTime> earliest;
  for (std::size_t index = 0; index < Schedules().Count(); ++index) {
    const ScheduleEntry& entry = Schedules().At(index);
    if (entry.source != ScheduleSource::File || !entry.next.at) continue;
    const auto code = PowerActionCodeOf(entry.action);
    if (!code || *code == kPowerStandBy) continue;
    const LocalDateTime run = StartOfMinute(*entry.next.at);
    if (!earliest || SecondsBetween(run, *earliest) > 0) earliest = run;
  }
  if (!earliest) return std::nullopt;
  const LocalDateTime beforeWarning = AddSeconds(*earliest, -(WarnLeadSeconds() + kWakeMarginSeconds));
  if (SecondsBetween(now, beforeWarning) > 0) return beforeWarning;
  // Its warning is due or shown while the computer is awake: should it sleep now, it wakes for
  // the run's minute, whose late warning holds the run a few seconds.
  if (SecondsBetween(now, *earliest) > 0) return earliest;
  return std::nullopt;  // the minute has begun: the run is on its way
}

void frmMain::KeepWakeTimerArmed(bool rearm) {
  const LocalDateTime now = services_.clock.Now();
  const TipBasis basis{Schedules().Revision(),  now.date, now.time.hour, now.time.minute,
                       chkPrevent.Value() == 1, false};
  if (!rearm && basis == wakeBasis_) return;
  wakeBasis_ = basis;
  const auto local = WakeMoment(now);
  // The moment on the UTC clock, by the zone's rules for that date: a run after a change to or
  // from summer time wakes the computer at its own local time.
  const std::optional<UtcDateTime> due = local ? services_.clock.ToUtc(*local) : std::nullopt;
  if (!rearm && due == wakeArmed_) return;
  if (!due) {
    CancelWakeTimer();
    return;
  }
  const std::string reason = context_.Languages().getMessages("MSG_WAKEREASON");
  wakeArmed_ = services_.power.ArmWakeTimer(*due, reason) ? due : std::nullopt;
}

void frmMain::CancelWakeTimer() {
  if (!wakeArmed_) return;
  services_.power.CancelWakeTimer();
  wakeArmed_.reset();
}

}  // namespace curfew
