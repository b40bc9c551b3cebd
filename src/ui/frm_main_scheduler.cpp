// The main window's scheduler engine: detection on tmrScheduler, the queue runner on
// tmrProcessSchedule and the action handler on timSchedule.
#include "power/run_scheduled_action.h"
#include "scheduling/mod_globals.h"
#include "scheduling/next_run_time.h"
#include "scheduling/schedule_list.h"
#include "scheduling/schedule_paths.h"
#include "scheduling/xfile_exists.h"
#include "ui/frm_main.h"

namespace curfew {

// The scheduler engine -----------------------------------------------------------------------

int frmMain::FindScheduleRow(std::string_view name) const {
  for (int row = 1; row <= lstSchedules.ListItemCount(); ++row)
    if (lstSchedules.ListItemText(row) == name) return row;
  return 0;
}

void frmMain::RunScheduledAction(std::string_view actionName, bool force) {
  SaveColumnWidths();  // the action may end the session, and this program with it, at once
  curfew::RunScheduledAction(actionName, force, [this]() -> CPower& { return PowerObject(); });
}

void frmMain::tmrScheduler_Timer() {
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
  const int rows = lstSchedules.ListItemCount();
  // The clock is read again whenever events may have run meanwhile: a pass itself takes
  // milliseconds, a handler run inside it may take minutes.
  LocalDateTime now = services_.clock.Now();
  for (int row = 1; row <= rows; ++row) {
    if (services_.runtime.DoEventsInLoop()) now = services_.clock.Now();
    // A list rebuilt while events ran ends the pass; the next tick looks again.
    if (row > lstSchedules.ListItemCount()) break;
    switch (nextRunWatch_.Check(row, lstSchedules.SubItem(row, 3), now, services_.locale)) {
      case Due::No:
      case Due::Ahead:
      case Due::Unreadable: break;  // an unreadable row never stops the rows below it
      case Due::Missed:
        // Its minute passed without a run: the next one comes from its file, as after a run.
        // The missed run itself is never made up for.
        ComputeNextRunAgain(row);
        break;
      case Due::Yes:
        lstSchedule.AddItem(lstSchedules.ListItemText(row));
        lstSchedules.SetSubItem(row, 3, "");
        tmrProcessSchedule.SetEnabled(true);
        break;
    }
  }
}

void frmMain::tmrProcessSchedule_Timer() {
  if (lstSchedule.ListCount() == 0) {
    tmrProcessSchedule.SetEnabled(false);
    return;
  }
  ActionFinished = false;
  tmrProcessSchedule.SetEnabled(false);
  timSchedule.SetEnabled(true);
  // The action handler's tick arrives in this wait; waiting for events uses no processor.
  while (!ActionFinished && Loaded()) services_.runtime.WaitForEvents();
  tmrProcessSchedule.SetEnabled(lstSchedule.ListCount() > 0);
}

void frmMain::timSchedule_Timer() {
  timSchedule.SetEnabled(false);
  if (lstSchedule.ListCount() == 0) {
    ActionFinished = true;
    return;
  }
  const std::string name = lstSchedule.List(0);
  lstSchedule.RemoveItem(0);
  ActionFinished = false;
  services_.runtime.DoEvents();
  const int row = FindScheduleRow(name);
  if (row == 0) {
    ActionFinished = true;
    return;
  }
  const std::string actionName = lstSchedules.SubItem(row, 1);
  ActionFinished = true;
  // The names that fell due in the same minute are dropped, their runs with them.
  std::vector<std::string> dropped;
  for (int i = 0; i < lstSchedule.ListCount(); ++i) dropped.push_back(lstSchedule.List(i));
  lstSchedule.Clear();
  RunScheduledAction(actionName, true);
  // Stand by, hibernate and refused actions come back: a repeating schedule needs its next
  // run, and so does every schedule dropped above.
  RefreshNextRunTime(name);
  for (const std::string& other : dropped) RefreshNextRunTime(other);
}

void frmMain::RefreshNextRunTime(std::string_view name) {
  if (const int row = FindScheduleRow(name)) ComputeNextRunAgain(row);
}

void frmMain::ComputeNextRunAgain(int row) {
  const std::string path = ScheduleFilePath(DataFolderPath(), lstSchedules.ListItemText(row));
  std::string next;  // a quick schedule, which has no file, runs once
  if (FileExists(services_.files, path)) {
    const std::string text = ReadScheduleFile(services_.files, path).value_or("");
    next = NextRunTime(GetSection(text, "SCHEDULER"), services_.clock.Now(), services_.locale);
  }
  lstSchedules.SetSubItem(row, 3, std::move(next));
}

}  // namespace curfew
