// The main window's warning before an action: shown a set time before the next run, or for a
// few seconds when the run's minute began before anyone was warned; run now, postpone and skip.
#include "platform/date_arithmetic.h"
#include "settings/warn_before_action.h"
#include "ui/frm_main.h"
#include "ui/frm_warning.h"

namespace curfew {
namespace {

using date_arithmetic::AddSeconds;
using date_arithmetic::SecondsBetween;
using date_arithmetic::StartOfMinute;

// A warning that comes this close to the run's minute, or only once it began, shows at least
// this long before the action, as far as the minute allows.
constexpr long long kLateWarningSeconds = 10;

LocalDateTime Earlier(const LocalDateTime& a, const LocalDateTime& b) { return SecondsBetween(a, b) >= 0 ? a : b; }

}  // namespace

frmWarning* frmMain::Warning() const { return context_.Windows().Find<frmWarning>(OpenWindows::Place::Warning); }

void frmMain::CloseWarning() {
  if (frmWarning* warning = Warning(); warning && warning->Loaded()) warning->Unload();
}

int frmMain::WarnLeadSeconds() {
  const LocalDateTime now = services_.clock.Now();
  const TipBasis minute{0, now.date, now.time.hour, now.time.minute, false};
  if (warnLeadReadIn_ != minute) {
    warnLead_ = kWarnChoices.at(StoredWarnChoice(context_.Settings())).seconds;
    warnLeadReadIn_ = minute;
  }
  return warnLead_;
}

void frmMain::WarnOfNextAction(const LocalDateTime& now) {
  // Nothing runs while schedules are prevented, so nothing is announced; clearing the box
  // inside a run's minute warns afresh.
  const int lead = chkPrevent.Value() == 1 ? 0 : WarnLeadSeconds();
  const auto coming = lead > 0 ? Schedules().NextAction() : std::nullopt;
  if (!coming) {
    if (chkPrevent.Value() == 1) warned_.reset();
    holdUntil_.reset();
    CloseWarning();
    return;
  }
  const ScheduleEntry& entry = Schedules().At(coming->index);
  const WarnedRun run{entry.name, StartOfMinute(coming->at)};
  const long long secondsToRun = SecondsBetween(now, run.at);
  // A warning about another run than the coming one (it started, moved or went) goes.
  if (const frmWarning* shown = Warning();
      shown && shown->Loaded() && (!warned_ || warned_->name != run.name || warned_->at != run.at))
    CloseWarning();
  if (secondsToRun < -59) return;  // a minute that passed unseen: detection moves the run on
  if (warned_ && warned_->name == run.name && warned_->at == run.at) return;
  if (secondsToRun > lead) return;
  // Too close to the minute, or inside it: its runs wait for the warning, within the minute.
  const bool late = secondsToRun < kLateWarningSeconds;
  holdUntil_.reset();
  if (late) holdUntil_ = Earlier(AddSeconds(now, kLateWarningSeconds), AddSeconds(run.at, 59));
  warned_ = run;
  const std::optional<std::string> schedule =
      entry.source == ScheduleSource::File ? std::optional<std::string>(entry.name) : std::nullopt;
  ShowWarning({entry.action, schedule, run.at, late ? *holdUntil_ : run.at});
}

bool frmMain::HeldByWarning(const LocalDateTime& at, const LocalDateTime& now) const {
  return holdUntil_ && warned_ && StartOfMinute(at) == warned_->at && SecondsBetween(now, *holdUntil_) > 0;
}

void frmMain::ShowWarning(const WarningFacts& facts) {
  CloseWarning();
  frmWarning& warning = context_.Windows().Open<frmWarning>(OpenWindows::Place::Warning, context_, facts);
  warning.onRunNow = [this] { RunWarnedNow(); };
  warning.onPostpone = [this](int minutes) { PostponeWarned(minutes); };
  warning.onSkip = [this] { SkipWarned(); };
  warning.Show();
  // The tray says the same at the same moment, for a user looking elsewhere.
  const std::string title = ReplacePlaceholder(
      ReplacePlaceholder(context_.Languages().getMessages("MSG_NEXTACTION"), "[Action]", facts.action), "[Time]",
      services_.locale.FormatShortTime(facts.at.time));
  services_.tray.ShowNotification(title, WarningDetails(context_, facts));
}

std::optional<std::size_t> frmMain::WarnedIndex() const {
  if (!warned_) return std::nullopt;
  const auto index = context_.Schedules().Find(warned_->name);
  const auto& at = index ? context_.Schedules().At(*index).next.at : std::nullopt;
  if (!at || StartOfMinute(*at) != warned_->at) return std::nullopt;  // the run is no longer coming
  return index;
}

// The run is made at once, as its minute would make it; the schedule's next run is then the
// one after that minute.
void frmMain::RunWarnedNow() {
  const auto index = WarnedIndex();
  CloseWarning();
  if (!index) return;
  runFloor_[warned_->name] = warned_->at;
  holdUntil_.reset();
  Schedules().Queue(*index);
  tmrProcessSchedule.SetEnabled(true);
}

void frmMain::PostponeWarned(int minutes) {
  const auto index = WarnedIndex();
  CloseWarning();
  if (!index) return;
  holdUntil_.reset();
  Schedules().Postpone(*index, AddSeconds(warned_->at, minutes * 60LL));
}

void frmMain::SkipWarned() {
  const auto index = WarnedIndex();
  CloseWarning();
  if (!index) return;
  holdUntil_.reset();
  Schedules().SkipNextRun(*index);
}

}  // namespace curfew
