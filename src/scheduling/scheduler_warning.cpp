// The engine's run to come: telling it, the warning before it (run now, postpone, skip), the
// moment the computer wakes for it and holding the computer awake until it is made.
#include "platform/date_arithmetic.h"
#include "platform/iso_moment.h"
#include "power/mod_power.h"
#include "scheduling/scheduler.h"

#include <utility>

namespace curfew {
namespace {

using date_arithmetic::AddSeconds;
using date_arithmetic::SecondsBetween;
using date_arithmetic::StartOfMinute;

// A warning that comes this close to the run's minute, or only once it began, shows at least
// this long before the action, as far as the minute allows.
constexpr long long kLateWarningSeconds = 10;
// Waking takes time, and detection must see the minute come: the computer wakes this much
// before the warning.
constexpr long long kWakeMarginSeconds = 60;
// After a wake the system is held awake for a run this long past its minute at most.
constexpr long long kRunHoldSeconds = 600;

LocalDateTime Earlier(const LocalDateTime& a, const LocalDateTime& b) { return SecondsBetween(a, b) >= 0 ? a : b; }

}  // namespace

// The coming run is worked out when the schedules change and once a minute, not at every tick;
// those who show it hear when it is another run, or when today is another day.
void Scheduler::Settle() {
  const LocalDateTime now = services_.clock.Now();
  if (!dirty_ && comingToldOn_ == now.date) return;
  dirty_ = false;
  std::optional<ComingRun> coming = prevented_ ? std::nullopt : WorkOutComing(now);
  if (coming != coming_ || comingToldOn_ != now.date) {
    coming_ = std::move(coming);
    comingToldOn_ = now.date;
    TellListeners([](SchedulerListener& listener) { listener.ComingChanged(); });
  }
  // The run held awake for is gone, or moved on: the computer may sleep again.
  if (heldForRun_ && model_.WorkList().empty() &&
      !(coming_ && coming_->name == heldForRun_->name &&
        SecondsBetween(coming_->at, AddSeconds(heldForRun_->at, kRunHoldSeconds)) >= 0))
    EndRunHold();
  ShowWakeMoment(std::exchange(rearmWake_, false));
}

// The earliest run that is still to come; of runs in one minute the upper schedule's, which is
// the one that runs. A run whose minute has passed is never coming: detection moves it on.
std::optional<ComingRun> Scheduler::WorkOutComing(const LocalDateTime& now) const {
  const ScheduleEntry* earliest = nullptr;
  for (const ScheduleEntry& entry : model_.Entries()) {
    if (!entry.next.at || EarlierMinute(*entry.next.at, now)) continue;
    if (!earliest || EarlierMinute(*entry.next.at, *earliest->next.at)) earliest = &entry;
  }
  if (!earliest) return std::nullopt;
  return ComingRun{earliest->name, earliest->action, earliest->source, *earliest->next.at};
}

// Once a minute: the warning's lead as the preferences now say, decisions whose run has gone
// by, files that could not be read, and the hold for a run that never came.
void Scheduler::NewMinute(const LocalDateTime& now) {
  warnLead_ = hooks.warnLeadSeconds();
  if (prevented_) NotePreventedRuns(now);
  DropPassedDecisions(now);
  for (std::size_t index = 0; index < model_.Count(); ++index) {
    if (model_.At(index).unread) RunAgainFrom(index, now);
  }
  if (heldForRun_ && SecondsBetween(AddSeconds(heldForRun_->at, kRunHoldSeconds), now) > 0) EndRunHold();
  std::erase_if(preventedRuns_, [&](const auto& run) {
    const auto at = iso_moment::Read(run.second);
    return !at || SecondsBetween(*at, now) > 24 * 3600;
  });
  Changed();
}

void Scheduler::WarnOfComingRun(const LocalDateTime& now) {
  // Nothing runs while schedules are prevented, so nothing is announced; clearing the switch
  // inside a run's minute warns afresh.
  const int lead = prevented_ ? 0 : warnLead_;
  if (lead <= 0 || !coming_) {
    if (prevented_) warned_.reset();
    holdUntil_.reset();
    WithdrawWarning();
    return;
  }
  const WarnedRun run{coming_->name, StartOfMinute(coming_->at)};
  const long long secondsToRun = SecondsBetween(now, run.at);
  // A warning about another run than the coming one (it started, moved or went) goes.
  if (warningShown_ && warned_ != run) WithdrawWarning();
  if (secondsToRun < -59) return;  // a minute that passed unseen: detection moves the run on
  if (warned_ == run) return;
  if (secondsToRun > lead) return;
  // Too close to the minute, or inside it: its runs wait for the warning, within the minute.
  const bool late = secondsToRun < kLateWarningSeconds;
  holdUntil_.reset();
  if (late) holdUntil_ = Earlier(AddSeconds(now, kLateWarningSeconds), AddSeconds(run.at, 59));
  warned_ = run;
  warningShown_ = true;
  const WarningFacts facts{
      coming_->action,
      coming_->source == ScheduleSource::File ? std::optional<std::string>(coming_->name) : std::nullopt, run.at,
      late ? *holdUntil_ : run.at};
  TellListeners([&](SchedulerListener& listener) { listener.WarningDue(facts); });
}

bool Scheduler::HeldByWarning(const LocalDateTime& at, const LocalDateTime& now) const {
  return holdUntil_ && warned_ && StartOfMinute(at) == warned_->at && SecondsBetween(now, *holdUntil_) > 0;
}

void Scheduler::WithdrawWarning() {
  if (!warningShown_) return;
  warningShown_ = false;
  TellListeners([](SchedulerListener& listener) { listener.WarningGone(); });
}

std::optional<std::size_t> Scheduler::WarnedIndex() const {
  if (!warned_) return std::nullopt;
  const auto index = model_.Find(warned_->name);
  const auto& at = index ? model_.At(*index).next.at : std::nullopt;
  if (!at || StartOfMinute(*at) != warned_->at) return std::nullopt;  // the run is no longer coming
  return index;
}

// The run is made at once, as its minute would make it; the schedule's next run is then the
// one after that minute.
void Scheduler::RunWarnedNow() {
  const auto index = WarnedIndex();
  WithdrawWarning();
  if (!index) return;
  runFloor_[warned_->name] = warned_->at;
  holdUntil_.reset();
  QueueRun(*index, warned_->at);
  Settle();
}

void Scheduler::PostponeWarned(int minutes) {
  const auto index = WarnedIndex();
  WithdrawWarning();
  if (!index) return;
  holdUntil_.reset();
  Postpone(*index, AddSeconds(warned_->at, minutes * 60LL));
}

void Scheduler::Postpone(std::size_t index, const LocalDateTime& until) {
  const ScheduleEntry entry = model_.At(index);
  if (!entry.next.at) return;
  const LocalDateTime at = StartOfMinute(*entry.next.at);
  history_.Record(HistoryEvent::Postponed, entry.action, entry.name, at, FormatZonedMoment(history_.Zoned(until)));
  if (entry.source == ScheduleSource::Quick || !entry.rule) {
    model_.SetNext(index, {services_.locale.FormatGeneralDate(until), until});
  } else {
    // Postponed again, the run still stands for the one it was.
    const RunDecision* earlier = PostponementOf(entry);
    const LocalDateTime due = earlier && StartOfMinute(earlier->until) == at ? earlier->due : at;
    Remember({RunDecision::Kind::Postpone, entry.name, entry.rule->fingerprint, due, until});
    model_.SetNext(index, DecidedNextRun(entry, services_.clock.Now()));
  }
  Changed();
  Settle();
}

void Scheduler::SkipWarned() {
  const auto index = WarnedIndex();
  WithdrawWarning();
  if (!index) return;
  holdUntil_.reset();
  SkipNextRun(*index);
}

// The wake ---------------------------------------------------------------------------------------

// Stand by does not wake the computer only to send it to sleep again; nothing wakes it while
// schedules are prevented or the preference is off. A quick schedule lives only as long as the
// session, so only stored schedules wake it.
std::optional<LocalDateTime> Scheduler::WorkOutWakeMoment(const LocalDateTime& now) const {
  if (prevented_ || !hooks.wakesForRuns()) return std::nullopt;
  std::optional<LocalDateTime> earliest;
  for (const ScheduleEntry& entry : model_.Entries()) {
    if (entry.source != ScheduleSource::File || !entry.next.at || EarlierMinute(*entry.next.at, now)) continue;
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

void Scheduler::ShowWakeMoment(bool rearm) {
  const auto moment = WorkOutWakeMoment(services_.clock.Now());
  if (!rearm && wakeTold_ && moment == wakeMoment_) return;
  wakeMoment_ = moment;
  wakeTold_ = true;
  TellListeners([&](SchedulerListener& listener) { listener.WakeMomentChanged(moment, rearm); });
}

// Woken by the system on its own, the computer sleeps again within minutes unless a program
// asks it to stay: a run near enough to be what it woke for is held awake for.
void Scheduler::KeepAwakeForRun(const LocalDateTime& now) {
  if (!coming_ || prevented_) return;
  const auto code = PowerActionCodeOf(coming_->action);
  if (!code || *code == kPowerStandBy) return;
  const long long secondsToRun = SecondsBetween(now, StartOfMinute(coming_->at));
  constexpr long long kWokenEarlySeconds = 120;
  if (secondsToRun > WarnLeadSeconds() + kWakeMarginSeconds + kWokenEarlySeconds || secondsToRun < -kRunHoldSeconds)
    return;
  heldForRun_ = WarnedRun{coming_->name, StartOfMinute(coming_->at)};
  Power().HoldForRun(true, hooks.text("MSG_WAKEREASON"));
}

void Scheduler::EndRunHold() {
  if (!heldForRun_) return;
  heldForRun_.reset();
  if (power_) power_->HoldForRun(false, {});
}

}  // namespace curfew
