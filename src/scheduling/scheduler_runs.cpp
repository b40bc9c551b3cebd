// The engine's three stages: detection finds the runs whose minute has come and queues them,
// the queue runner hands the first on, and the action handler asks the system for its action.
#include "platform/date_arithmetic.h"
#include "platform/iso_moment.h"
#include "power/run_scheduled_action.h"
#include "scheduling/schedule_file_edit.h"
#include "scheduling/scheduler.h"

namespace curfew {
namespace {

using date_arithmetic::StartOfMinute;

// A run's schedule and minute, by which a run is noted once.
std::pair<std::string, std::string> RunKey(const ScheduleEntry& entry) {
  return {entry.name, iso_moment::Format(StartOfMinute(*entry.next.at))};
}

// A flag held for the length of a scope, put back whatever leaves it.
class Holding {
 public:
  explicit Holding(bool& flag) : flag_(flag) { flag_ = true; }
  ~Holding() { flag_ = false; }
  Holding(const Holding&) = delete;
  Holding& operator=(const Holding&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void Scheduler::DetectionTick() {
  try {
    const LocalDateTime now = services_.clock.Now();
    if (!minuteSeen_ || EarlierMinute(*minuteSeen_, now) || EarlierMinute(now, *minuteSeen_)) {
      minuteSeen_ = now;
      NewMinute(now);
    }
    Settle();
    WarnOfComingRun(now);
    if (prevented_) return;
    // A pass that lets events run may meet a tick of its own timer, or a wake-up, inside them:
    // the pass under way goes on and covers the rows still to come.
    if (detecting_) return;
    const Holding detecting(detecting_);
    DetectDueRuns();
    Settle();
  } catch (const std::exception&) {
    // A failing pass ends silently; the next tick looks again.
  }
}

void Scheduler::DetectDueRuns() {
  const std::size_t count = model_.Count();
  // The clock is read again whenever events may have run meanwhile: a pass itself takes
  // milliseconds, a handler run inside it may take minutes.
  LocalDateTime now = services_.clock.Now();
  for (std::size_t index = 0; index < count; ++index) {
    if (hooks.letEventsRun()) now = services_.clock.Now();
    // A list rebuilt while events ran ends the pass; the next tick looks again.
    if (index >= model_.Count()) break;
    const ScheduleEntry& entry = model_.At(index);
    switch (model_.Check(index, now)) {
      case Due::No:
      case Due::Ahead: break;
      case Due::Missed: {
        // Its minute passed without a run (asleep, or the clock moved on): the next one comes
        // from its file, as after a run. The missed run itself is never made up for.
        if (preventedRuns_.erase(RunKey(entry)) == 0) Record(HistoryEvent::Missed, entry, entry.next.at, "asleep");
        RunAgainFrom(index, services_.clock.Now());
        break;
      }
      case Due::Yes:
        // A run whose warning came late waits for it a few seconds, still inside its minute.
        if (HeldByWarning(*entry.next.at, now)) break;
        QueueRun(index, StartOfMinute(*entry.next.at));
        break;
    }
  }
}

// While schedules are prevented the runs stay where they are; each one whose minute comes is
// noted once, so that the history says why nothing happened. A run's minute begins with a new
// minute, or is already under way when the switch goes on: those are the times to look.
void Scheduler::NotePreventedRuns(const LocalDateTime& now) {
  for (std::size_t index = 0; index < model_.Count(); ++index) {
    const ScheduleEntry& entry = model_.At(index);
    if (model_.Check(index, now) != Due::Yes) continue;
    if (preventedRuns_.insert(RunKey(entry)).second) Record(HistoryEvent::Skipped, entry, entry.next.at, "prevented");
  }
}

void Scheduler::QueueRun(std::size_t index, const LocalDateTime& due) {
  const std::string name = model_.At(index).name;
  queuedDue_[name] = due;
  model_.Queue(index);
  // A postponed run that comes needs its decision no more.
  const std::size_t before = decisions_.size();
  std::erase_if(decisions_, [&](const RunDecision& decision) {
    return decision.name == name && decision.kind == RunDecision::Kind::Postpone &&
           StartOfMinute(decision.until) == due;
  });
  if (decisions_.size() != before) WriteKeptDecisions();
  if (!queueRunner_->Running()) queueRunner_->Start(500);
  Changed();
}

void Scheduler::QueueRunnerTick() {
  queueRunner_->Stop();
  if (model_.WorkList().empty()) return;
  actionHandler_->Start(250);
}

void Scheduler::ContinueQueue() {
  if (!model_.WorkList().empty() && !queueRunner_->Running()) queueRunner_->Start(500);
}

void Scheduler::ActionHandlerTick() {
  try {
    actionHandler_->Stop();  // once per start
    const std::optional<std::string> name = model_.TakeWork();
    if (!name) return;
    hooks.letEventsRun();
    const auto queued = queuedDue_.find(*name);
    const LocalDateTime due = queued != queuedDue_.end() ? queued->second : services_.clock.Now();
    if (queued != queuedDue_.end()) queuedDue_.erase(queued);
    const auto index = model_.Find(*name);
    // A row gone since it was queued (the list read anew) is skipped; the next name follows.
    if (!index) {
      ContinueQueue();
      return;
    }
    const ScheduleEntry entry = model_.At(*index);
    // The names that fell due in the same minute are dropped, their runs with them.
    const std::vector<std::string> dropped = model_.DropWork();
    std::optional<std::string> lastRunBefore;
    if (entry.source == ScheduleSource::File) lastRunBefore = RecordRun(*index);
    if (!Act(entry.action, true, entry.name, due) && lastRunBefore) TakeBackRun(entry.name, *lastRunBefore);
    // Stand by, hibernate and refused actions come back: a repeating schedule needs its next
    // run, and so does every schedule dropped above.
    RefreshNextRunTime(entry.name);
    for (const std::string& other : dropped) {
      if (const auto otherIndex = model_.Find(other)) {
        const auto otherDue = queuedDue_.find(other);
        Record(HistoryEvent::Skipped, model_.At(*otherIndex),
               otherDue != queuedDue_.end() ? std::optional(otherDue->second) : std::nullopt, "same minute");
      }
      queuedDue_.erase(other);
      RefreshNextRunTime(other);
    }
    Settle();
  } catch (const std::exception&) {
    // The step that failed is skipped; the queue goes on with what is left.
    ContinueQueue();
  }
}

// The run goes into the schedule's file before the action, which may end the session at once;
// a file that cannot be written does not hold the action up.
std::optional<std::string> Scheduler::RecordRun(std::size_t index) {
  const std::string before = model_.At(index).lastRunText;
  const std::string text = services_.locale.FormatGeneralDate(services_.clock.Now());
  if (WriteDataValue(services_.files, dataFolder_, model_.At(index).name, "LastRunTime", text) !=
      platform::FileFault::None)
    return std::nullopt;
  model_.SetLastRun(index, text);
  return before;
}

// An action the system refused did not run: the file and the row show the last run there was.
void Scheduler::TakeBackRun(std::string_view name, const std::string& lastRunBefore) {
  const auto index = model_.Find(name);
  if (!index) return;
  if (WriteDataValue(services_.files, dataFolder_, std::string(name), "LastRunTime", lastRunBefore) ==
      platform::FileFault::None)
    model_.SetLastRun(*index, lastRunBefore);
}

// A run made before its minute (run now from the warning) counts from that minute: the next is
// the one after it, not the same one again.
void Scheduler::RefreshNextRunTime(std::string_view name) {
  LocalDateTime seen = services_.clock.Now();
  if (const auto floor = runFloor_.find(std::string(name)); floor != runFloor_.end()) {
    if (date_arithmetic::SecondsBetween(seen, floor->second) > 0) seen = floor->second;
    runFloor_.erase(floor);
  }
  if (const auto index = model_.Find(name)) RunAgainFrom(*index, seen);
}

// The history has the run before the system is asked: an action that ends the session at once
// cannot lose it.
bool Scheduler::Act(std::string_view action, bool force, const std::string& schedule, const LocalDateTime& due) {
  const auto code = PowerActionCodeOf(action);
  if (!code) return true;  // no action of the program's: nothing happens
  history_.Record(HistoryEvent::Ran, std::string(action), schedule, due);
  TellListeners([](SchedulerListener& listener) { listener.ActionStarting(); });
  const auto refusal = RunScheduledAction(action, force, [this]() -> CPower& { return Power(); });
  // Asked of the system: the computer needs holding awake for it no longer.
  EndRunHold();
  if (refusal) {
    history_.Record(HistoryEvent::Refused, std::string(action), schedule, due, refusal->reason);
    TellListeners([&](SchedulerListener& listener) { listener.ActionRefused(*refusal); });
    return false;
  }
  if (*code == kPowerLogOff || *code == kPowerShutDown || *code == kPowerReboot)
    pendingExit_ = PendingExit{*code, schedule, services_.clock.Now()};
  return true;
}

}  // namespace curfew
