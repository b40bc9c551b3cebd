// The engine's schedules: loading them, the user's decisions about coming runs and the commands
// that change them.
#include "scheduling/scheduler.h"

#include <algorithm>

#include "platform/date_arithmetic.h"
#include "platform/replace_file.h"
#include "scheduling/schedule_file_edit.h"
#include "scheduling/schedule_list.h"
#include "scheduling/schedule_paths.h"
#include "scheduling/xfile_exists.h"

namespace curfew {
namespace {

using date_arithmetic::StartOfMinute;

// Runs of one schedule counted forward at most this far while looking for a run: a hand-edited
// rule never holds the engine up.
constexpr int kMostRunsCounted = 1000;

// Longer than any decisions file the program writes.
constexpr std::size_t kLongestDecisionsBytes = std::size_t{4} * 1024 * 1024;

bool SameMinute(const LocalDateTime& a, const LocalDateTime& b) { return StartOfMinute(a) == StartOfMinute(b); }

}  // namespace

Scheduler::Scheduler(SchedulerServices services, std::string dataFolder, History& history)
    : services_(services), dataFolder_(std::move(dataFolder)), history_(history) {
  detection_ = services_.timers.MakeTimer([this] { DetectionTick(); });
  queueRunner_ = services_.timers.MakeTimer([this] { QueueRunnerTick(); });
  actionHandler_ = services_.timers.MakeTimer([this] { ActionHandlerTick(); });
  loadPoll_ = services_.timers.MakeTimer([this] {
    try {
      if (TakeLoaded()) loadPoll_->Stop();
    } catch (const std::exception&) {
      loadPoll_->Stop();  // the list stays as it is; a reload reads it again
    }
  });
}

Scheduler::~Scheduler() = default;

CPower& Scheduler::Power() {
  if (!power_) power_.emplace(services_.power, services_.powerFilter);
  return *power_;
}

void Scheduler::ReleasePower() {
  heldForRun_.reset();
  power_.reset();
}

void Scheduler::Start() {
  if (started_) return;
  started_ = true;
  ReadKeptDecisions();
  const std::optional<LocalDateTime> lastEvent = history_.TrimAndFindLast();
  if (!seenAtStart_ || (lastEvent && date_arithmetic::SecondsBetween(*seenAtStart_, *lastEvent) > 0))
    seenAtStart_ = lastEvent;
  warnLead_ = hooks.warnLeadSeconds();
  minuteSeen_ = services_.clock.Now();
  detection_->Start(500);
}

void Scheduler::Stop() {
  loadPoll_->Stop();
  detection_->Stop();
  queueRunner_->Stop();
  actionHandler_->Stop();
  EndRunHold();
  if (!started_) return;
  started_ = false;
  WriteKeptDecisions();  // with the moment the program was last seen
  // A quick schedule lives as long as the program: one still to come ends with it.
  for (const ScheduleEntry& entry : model_.Entries()) {
    if (entry.source == ScheduleSource::Quick && entry.next.at)
      Record(HistoryEvent::Disarmed, entry, entry.next.at, "program ended");
  }
}

// Loading ----------------------------------------------------------------------------------------

void Scheduler::Reload() {
  load_.reset();  // a list read now replaces one still being read
  Put(LoadScheduleEntries(services_.files, dataFolder_, services_.clock.Now(), services_.locale));
}

void Scheduler::StartLoad() {
  load_.emplace(services_.files, dataFolder_, services_.clock.Now(), services_.locale);
  loadPoll_->Start(20);
}

bool Scheduler::TakeLoaded() {
  if (!load_) return true;
  if (!load_->Finished()) return false;
  FinishLoad();
  return true;
}

void Scheduler::FinishLoad() {
  loadPoll_->Stop();
  if (!load_) return;
  std::optional<ScheduleLoad> load;
  load.swap(load_);
  std::vector<ScheduleEntry> entries;
  try {
    entries = load->Take();
  } catch (const std::exception&) {
    Reload();  // read again here, where a failure shows as any reading of the list does
    return;
  }
  Put(std::move(entries));
}

// The stored schedules as their files give them, with the decisions about their runs; the quick
// schedules stay below them as they are, since no file holds them.
void Scheduler::Put(std::vector<ScheduleEntry> entries) {
  const LocalDateTime now = services_.clock.Now();
  const std::size_t before = decisions_.size();
  // A decision belongs to a schedule as it was: one changed or gone by any means drops it. A
  // file that cannot be read now keeps what was decided about it.
  std::erase_if(decisions_, [&](const RunDecision& decision) {
    const auto entry =
        std::find_if(entries.begin(), entries.end(), [&](const ScheduleEntry& e) { return e.name == decision.name; });
    if (entry == entries.end()) return true;
    return entry->rule && entry->rule->fingerprint != decision.fingerprint;
  });
  for (ScheduleEntry& entry : entries) {
    if (entry.rule) entry.next = DecidedNextRun(entry, now);
  }
  for (const ScheduleEntry& entry : model_.Entries()) {
    if (entry.source == ScheduleSource::Quick) entries.push_back(entry);
  }
  model_.Replace(std::move(entries));
  if (seenAtStart_) {
    NoteMissedWhileAway(*seenAtStart_, now);
    seenAtStart_.reset();
  }
  if (decisions_.size() != before) WriteKeptDecisions();
  Changed();
  Settle();
}

// Decisions --------------------------------------------------------------------------------------

// The rule's runs after the moment seen, without those left out or moved; a run moved later
// comes in its new place.
NextRun Scheduler::DecidedNextRun(const ScheduleEntry& entry, const LocalDateTime& seen) const {
  if (!entry.rule) return {};
  const RunRule& rule = *entry.rule;
  const auto decided = [&](const LocalDateTime& at) {
    return std::any_of(decisions_.begin(), decisions_.end(), [&](const RunDecision& decision) {
      return decision.name == entry.name && decision.fingerprint == rule.fingerprint && SameMinute(decision.due, at);
    });
  };
  NextRun next = NextRunOfRule(rule, entry.enabled, seen, services_.locale);
  for (int counted = 0; next.at && decided(*next.at) && counted < kMostRunsCounted; ++counted) {
    // Seen from inside that minute, the rule gives the run after it.
    next = NextRunOfRule(rule, entry.enabled, *next.at, services_.locale);
  }
  if (const RunDecision* postponed = PostponementOf(entry);
      postponed && !EarlierMinute(postponed->until, seen) && (!next.at || !EarlierMinute(*next.at, postponed->until)))
    return {services_.locale.FormatGeneralDate(postponed->until), postponed->until};
  return next;
}

const RunDecision* Scheduler::PostponementOf(const ScheduleEntry& entry) const {
  if (!entry.rule) return nullptr;
  const auto found = std::find_if(decisions_.begin(), decisions_.end(), [&](const RunDecision& decision) {
    return decision.kind == RunDecision::Kind::Postpone && decision.name == entry.name &&
           decision.fingerprint == entry.rule->fingerprint;
  });
  return found == decisions_.end() ? nullptr : &*found;
}

void Scheduler::Remember(RunDecision decision) {
  // One postponement a schedule: a run postponed again moves from where it was due.
  if (decision.kind == RunDecision::Kind::Postpone) {
    std::erase_if(decisions_, [&](const RunDecision& d) {
      return d.kind == RunDecision::Kind::Postpone && d.name == decision.name;
    });
  }
  if (std::find(decisions_.begin(), decisions_.end(), decision) == decisions_.end())
    decisions_.push_back(std::move(decision));
  WriteKeptDecisions();
}

void Scheduler::DropDecisionsOf(std::string_view name) {
  if (std::erase_if(decisions_, [name](const RunDecision& d) { return d.name == name; }) > 0) WriteKeptDecisions();
}

// A skipped run whose minute has passed, and a postponed one whose new moment has, need
// nothing more.
void Scheduler::DropPassedDecisions(const LocalDateTime& now) {
  const auto passed = [&now](const RunDecision& decision) {
    return EarlierMinute(decision.kind == RunDecision::Kind::Skip ? decision.due : decision.until, now);
  };
  if (std::erase_if(decisions_, passed) > 0) WriteKeptDecisions();
}

void Scheduler::ReadKeptDecisions() {
  const std::string path = dataFolder_ + "\\" + std::string(kDecisionsFileName);
  if (!services_.files.FindFirstMatch(path, 0)) return;
  const auto text = services_.files.ReadFileBytes(path, kLongestDecisionsBytes);
  const auto kept = text ? ParseDecisions(*text) : std::nullopt;
  if (kept) {
    decisions_ = kept->decisions;
    seenAtStart_ = kept->seen;
    return;
  }
  // Set aside, where the user can look at it, and told once: the next start finds none.
  const std::string aside = dataFolder_ + "\\decisions-unreadable.txt";
  const std::string told = services_.files.MoveOver(path, aside) == platform::FileFault::None ? aside : path;
  TellListeners([&](SchedulerListener& listener) { listener.DecisionsSetAside(told); });
}

void Scheduler::WriteKeptDecisions() {
  if (!services_.files.FolderExists(dataFolder_)) return;
  const std::string path = dataFolder_ + "\\" + std::string(kDecisionsFileName);
  platform::ReplaceFileBytes(services_.files, path, ComposeDecisions({decisions_, services_.clock.Now()}));
}

// Runs due while the program did not run: the latest of each schedule is noted, unless it was
// left out on purpose.
void Scheduler::NoteMissedWhileAway(const LocalDateTime& since, const LocalDateTime& now) {
  for (const ScheduleEntry& entry : model_.Entries()) {
    if (!entry.rule || !entry.enabled) continue;
    std::optional<LocalDateTime> last;
    NextRun run = NextRunOfRule(*entry.rule, true, since, services_.locale);
    for (int counted = 0; run.at && EarlierMinute(*run.at, now) && counted < kMostRunsCounted; ++counted) {
      last = run.at;
      run = NextRunOfRule(*entry.rule, true, *run.at, services_.locale);
    }
    if (!last) continue;
    const bool skipped = std::any_of(decisions_.begin(), decisions_.end(), [&](const RunDecision& decision) {
      return decision.name == entry.name && SameMinute(decision.due, *last);
    });
    if (!skipped) Record(HistoryEvent::Missed, entry, last, "not running");
  }
}

bool Scheduler::Record(HistoryEvent event, const ScheduleEntry& entry, const std::optional<LocalDateTime>& due,
                       std::string details) {
  return history_.Record(event, entry.action, entry.name, due, std::move(details));
}

// The file read anew: the run after the moment seen as it now says, the decisions applied. A
// file that cannot be read for a while keeps the rule it had, and is read again a minute later.
void Scheduler::RunAgainFrom(std::size_t index, const LocalDateTime& seen) {
  const ScheduleEntry& entry = model_.At(index);
  if (entry.source == ScheduleSource::Quick) {
    model_.SetNext(index, {});
    Changed();
    return;
  }
  StoredRead read = ReadStoredSchedule(services_.files, dataFolder_, entry.name, seen, services_.locale);
  switch (read.state) {
    case StoredRead::State::Gone: model_.SetNext(index, {}); break;
    case StoredRead::State::Unreadable:
      model_.SetRule(index, entry.rule, true);
      model_.SetNext(index, DecidedNextRun(model_.At(index), seen));
      break;
    case StoredRead::State::Read: {
      ScheduleEntry fresh = std::move(read.entry);
      if (entry.rule && fresh.rule->fingerprint != entry.rule->fingerprint) DropDecisionsOf(entry.name);
      fresh.next = DecidedNextRun(fresh, seen);
      if (fresh.action == entry.action && fresh.enabled == entry.enabled && fresh.lastRunText == entry.lastRunText) {
        model_.SetRule(index, fresh.rule, false);
        model_.SetNext(index, fresh.next);
      } else {
        model_.Change(index, std::move(fresh));
      }
      break;
    }
  }
  Changed();
}

// Commands ---------------------------------------------------------------------------------------

void Scheduler::ArmQuick(std::string action, const std::optional<LocalDateTime>& at) {
  const LocalDateTime now = services_.clock.Now();
  ScheduleEntry entry{"Quick Schedule " + services_.locale.FormatGeneralDate(now),
                      std::move(action),
                      ScheduleSource::Quick,
                      true,
                      {},
                      {}};
  if (at) entry.next = {services_.locale.FormatGeneralDate(*at), at};
  Record(HistoryEvent::Armed, entry, at);
  model_.Add(std::move(entry));
  Changed();
  Settle();
}

platform::FileFault Scheduler::Delete(std::size_t index) {
  const ScheduleEntry entry = model_.At(index);
  if (entry.source == ScheduleSource::Quick) {
    Record(HistoryEvent::Disarmed, entry, entry.next.at);
    model_.Remove(index);
    Changed();
    Settle();
    return platform::FileFault::None;
  }
  const std::string path = ScheduleFilePath(dataFolder_, entry.name);
  if (FileExists(services_.files, path)) {
    if (const platform::FileFault fault = services_.files.RemoveFile(path); fault != platform::FileFault::None)
      return fault;
  }
  DropDecisionsOf(entry.name);
  Reload();
  return platform::FileFault::None;
}

void Scheduler::SkipNextRun(std::size_t index) {
  const ScheduleEntry entry = model_.At(index);
  if (!entry.next.at) return;
  const LocalDateTime at = *entry.next.at;
  Record(HistoryEvent::Skipped, entry, at);
  if (entry.source == ScheduleSource::Quick) {
    // A quick schedule runs once: left out, nothing is left of it.
    model_.Remove(index);
  } else if (entry.rule) {
    // A postponed run that is skipped is the run it was: that one is left out.
    LocalDateTime due = StartOfMinute(at);
    if (const RunDecision* postponed = PostponementOf(entry); postponed && SameMinute(postponed->until, at)) {
      due = postponed->due;
      const RunDecision replaced = *postponed;
      std::erase(decisions_, replaced);
    }
    Remember({RunDecision::Kind::Skip, entry.name, entry.rule->fingerprint, due, {}});
    model_.SetNext(index, DecidedNextRun(entry, services_.clock.Now()));
  }
  Changed();
  Settle();
}

platform::FileFault Scheduler::SwitchOnOff(std::size_t index) {
  const ScheduleEntry& entry = model_.At(index);
  const platform::FileFault fault =
      WriteDataValue(services_.files, dataFolder_, entry.name, "Enabled", entry.enabled ? "0" : "1");
  if (fault != platform::FileFault::None) return fault;
  RunAgainFrom(index, services_.clock.Now());
  Settle();
  return platform::FileFault::None;
}

bool Scheduler::RunNow(std::size_t index) {
  const ScheduleEntry entry = model_.At(index);
  std::optional<std::string> lastRunBefore;
  if (entry.source == ScheduleSource::File) lastRunBefore = RecordRun(index);
  const bool done = Act(entry.action, false, entry.name, services_.clock.Now());
  if (!done && lastRunBefore) TakeBackRun(entry.name, *lastRunBefore);
  Settle();
  return done;
}

bool Scheduler::ActNow(std::string_view action) { return Act(action, false, {}, services_.clock.Now()); }

// Switches -----------------------------------------------------------------------------------------

void Scheduler::SetPrevented(bool prevented) {
  if (prevented == prevented_) return;
  prevented_ = prevented;
  if (prevented) {
    EndRunHold();
    NotePreventedRuns(services_.clock.Now());
  }
  TellListeners([](SchedulerListener& listener) { listener.SwitchesChanged(); });
  Changed();
  Settle();
  WarnOfComingRun(services_.clock.Now());
}

void Scheduler::SetKeptAwake(bool awake) {
  CPower& power = Power();
  power.SetAwakeReason(hooks.text("MSG_KEEPAWAKE"));
  power.DisableSuspend(awake);
  if (awake == keptAwake_) return;
  keptAwake_ = awake;
  TellListeners([](SchedulerListener& listener) { listener.SwitchesChanged(); });
}

// What the system tells ------------------------------------------------------------------------------

// The system may have dropped the wake timer while it slept or when its clock was set: it is
// armed again, whether the moment moved or not.
void Scheduler::SystemResumed() {
  rearmWake_ = true;
  Changed();
  Settle();
  KeepAwakeForRun(services_.clock.Now());
  DetectionTick();
}

void Scheduler::ClockChanged() {
  rearmWake_ = true;
  Changed();
  Settle();
  DetectionTick();
}

void Scheduler::SessionEndCancelled() {
  if (!pendingExit_) return;
  const PendingExit exit = *pendingExit_;
  pendingExit_.reset();
  // Only an end the program asked for lately is its to tell.
  constexpr long long kLatestAnswerSeconds = 600;
  if (date_arithmetic::SecondsBetween(exit.at, services_.clock.Now()) > kLatestAnswerSeconds) return;
  history_.Record(HistoryEvent::Cancelled, std::string(PowerActionName(exit.action)), exit.schedule);
  TellListeners([&](SchedulerListener& listener) { listener.ActionCancelled(exit.action); });
}

}  // namespace curfew
