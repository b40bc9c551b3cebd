// The main window's scheduler engine: detection on tmrScheduler, the queue runner on
// tmrProcessSchedule and the action handler on timSchedule.
#include "platform/date_arithmetic.h"
#include "power/run_scheduled_action.h"
#include "scheduling/schedule_file_edit.h"
#include "ui/frm_main.h"

namespace curfew {

// The scheduler engine -----------------------------------------------------------------------

bool frmMain::RunScheduledAction(std::string_view actionName, bool force) {
  SaveColumnWidths();  // the action may end the session, and this program with it, at once
  const auto refusal = curfew::RunScheduledAction(actionName, force, [this]() -> CPower& { return PowerObject(); });
  if (refusal) TellRefusal(*refusal);
  return !refusal;
}

void frmMain::tmrScheduler_Timer() {
  // The tip follows the list and the clock: at each tick, a new minute or a changed list shows.
  ShowNextActionInTray();
  WarnOfNextAction(services_.clock.Now());
  KeepWakeTimerArmed(false);
  if (chkPrevent.Value() == 1) return;
  // A pass that lets events run may meet a tick of its own timer, or a wake-up, inside them:
  // the pass under way goes on and covers the rows still to come.
  if (detecting_) return;
  detecting_ = true;
  try {
    DetectDueRows();
  } catch (const std::exception&) {
    // A failing pass ends silently; the next tick looks again.
  }
  detecting_ = false;
}

void frmMain::DetectDueRows() {
  const std::size_t count = Schedules().Count();
  // The clock is read again whenever events may have run meanwhile: a pass itself takes
  // milliseconds, a handler run inside it may take minutes.
  LocalDateTime now = services_.clock.Now();
  for (std::size_t index = 0; index < count; ++index) {
    if (services_.runtime.DoEventsInLoop()) now = services_.clock.Now();
    // A list rebuilt while events ran ends the pass; the next tick looks again.
    if (index >= Schedules().Count()) break;
    switch (Schedules().Check(index, now)) {
      case Due::No:
      case Due::Ahead: break;
      case Due::Missed:
        // Its minute passed without a run: the next one comes from its file, as after a run.
        // The missed run itself is never made up for.
        Schedules().RunAgainFrom(index, services_.clock.Now());
        break;
      case Due::Yes:
        // A run whose warning came late waits for it a few seconds, still inside its minute.
        if (HeldByWarning(*Schedules().At(index).next.at, now)) break;
        Schedules().Queue(index);
        tmrProcessSchedule.SetEnabled(true);
        break;
    }
  }
}

void frmMain::tmrProcessSchedule_Timer() {
  if (Schedules().WorkList().empty()) {
    tmrProcessSchedule.SetEnabled(false);
    return;
  }
  ActionFinished = false;
  tmrProcessSchedule.SetEnabled(false);
  timSchedule.SetEnabled(true);
  // The action handler's tick arrives in this wait; waiting for events uses no processor.
  while (!ActionFinished && Loaded()) services_.runtime.WaitForEvents();
  tmrProcessSchedule.SetEnabled(!Schedules().WorkList().empty());
}

void frmMain::timSchedule_Timer() {
  timSchedule.SetEnabled(false);
  const std::optional<std::string> name = Schedules().TakeWork();
  if (!name) {
    ActionFinished = true;
    return;
  }
  ActionFinished = false;
  services_.runtime.DoEvents();
  const auto index = Schedules().Find(*name);
  if (!index) {
    ActionFinished = true;
    return;
  }
  const std::string actionName = Schedules().At(*index).action;
  ActionFinished = true;
  // The names that fell due in the same minute are dropped, their runs with them.
  const std::vector<std::string> dropped = Schedules().DropWork();
  std::optional<std::string> lastRunBefore;
  if (Schedules().At(*index).source == ScheduleSource::File) lastRunBefore = RecordRun(*index);
  if (!RunScheduledAction(actionName, true) && lastRunBefore) TakeBackRun(*name, *lastRunBefore);
  // Stand by, hibernate and refused actions come back: a repeating schedule needs its next
  // run, and so does every schedule dropped above.
  RefreshNextRunTime(*name);
  for (const std::string& other : dropped) RefreshNextRunTime(other);
}

// The run goes into the schedule's file before the action, which may end the session at once;
// a file that cannot be written does not hold the action up.
std::optional<std::string> frmMain::RecordRun(std::size_t index) {
  const std::string before = Schedules().At(index).lastRunText;
  const std::string text = services_.locale.FormatGeneralDate(services_.clock.Now());
  if (WriteDataValue(services_.files, DataFolderPath(), Schedules().At(index).name, "LastRunTime", text) !=
      platform::FileFault::None)
    return std::nullopt;
  Schedules().SetLastRun(index, text);
  return before;
}

// An action the system refused did not run: the file and the row show the last run there was.
void frmMain::TakeBackRun(std::string_view name, const std::string& lastRunBefore) {
  const auto index = Schedules().Find(name);
  if (!index) return;
  if (WriteDataValue(services_.files, DataFolderPath(), std::string(name), "LastRunTime", lastRunBefore) ==
      platform::FileFault::None)
    Schedules().SetLastRun(*index, lastRunBefore);
}

// A run made before its minute (run now from the warning) counts from that minute: the next is
// the one after it, not the same one again.
void frmMain::RefreshNextRunTime(std::string_view name) {
  LocalDateTime seen = services_.clock.Now();
  if (const auto floor = runFloor_.find(std::string(name)); floor != runFloor_.end()) {
    if (date_arithmetic::SecondsBetween(seen, floor->second) > 0) seen = floor->second;
    runFloor_.erase(floor);
  }
  if (const auto index = Schedules().Find(name)) Schedules().RunAgainFrom(*index, seen);
}

}  // namespace curfew
