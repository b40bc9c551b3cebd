// The main window's schedule list: the order of its rows and a row's context menu.
#include <cstdlib>

#include "power/mod_power.h"
#include "scheduling/file_error_message.h"
#include "scheduling/schedule_list.h"
#include "scheduling/schedule_paths.h"
#include "scheduling/value_reading.h"
#include "scheduling/xfile_exists.h"
#include "settings/setting_table.h"
#include "ui/frm_main.h"

namespace curfew {

// The stored order: the column, negative going down; anything else is the order of reading.
ScheduleSort frmMain::StoredSort() {
  try {
    const auto stored = ReadInteger16(ReadSetting(context_.Settings(), "ScheduleSort", SettingStore::User));
    if (stored && *stored != 0 && std::abs(*stored) <= lstSchedules.ColumnHeaderCount())
      return {std::abs(*stored), *stored > 0};
  } catch (const SettingsError&) {
  }
  return {};
}

// A click on a column orders the rows by it; a second click turns the order round.
void frmMain::SortSchedulesBy(int column) {
  const ScheduleSort now = scheduleView_.Sort();
  const ScheduleSort sort{column, now.column == column ? !now.ascending : true};
  scheduleView_.SortBy(sort);
  WriteSetting(context_.Settings(), "ScheduleSort", SettingStore::User,
               std::to_string(sort.ascending ? column : -column));
}

std::optional<std::size_t> frmMain::SelectedIndex() const {
  const int row = lstSchedules.SelectedItem();
  if (row == 0) return std::nullopt;
  return scheduleView_.IndexOfRow(row);
}

void frmMain::ShowRowMenu(int row) {
  if (row == 0) return;
  const ScheduleEntry& entry = Schedules().At(scheduleView_.IndexOfRow(row));
  const bool stored = entry.source == ScheduleSource::File &&
                      FileExists(services_.files, ScheduleFilePath(DataFolderPath(), entry.name));
  mnuRowItem0.SetEnabled(PowerActionCodeOf(entry.action).has_value());
  mnuRowItem1.SetEnabled(entry.next.at.has_value());
  mnuRowItem2.SetCaption(context_.Languages().getMessages(entry.enabled ? "MSG_DISABLE" : "MSG_ENABLE"));
  mnuRowItem2.SetEnabled(stored);
  mnuRowItem3.SetEnabled(stored);
  services_.runtime.PopupMenu(mnuRow);
}

// The schedule's action at once, after the question every action made at once asks; a stored
// schedule notes the run in its file.
void frmMain::RunSelectedNow() {
  const auto index = SelectedIndex();
  if (!index) return;
  const std::string name = Schedules().At(*index).name;
  if (!ConfirmActionNow()) return;
  if (const auto still = Schedules().Find(name)) Engine().RunNow(*still);
}

void frmMain::SkipSelectedRun() {
  if (const auto index = SelectedIndex()) Engine().SkipNextRun(*index);
}

// Switches the schedule off (no runs, its start kept) or on again, in its file; the row shows
// the file as it now is.
void frmMain::SwitchSelected() {
  const auto index = SelectedIndex();
  if (!index) return;
  if (const platform::FileFault fault = Engine().SwitchOnOff(*index); fault != platform::FileFault::None)
    ShowFileFault(fault);
}

void frmMain::ShowFileFault(platform::FileFault fault) {
  services_.runtime.Messages().Show(FileErrorMessage(DescribeFileFault(fault)), platform::MessageButtons::Ok,
                                    platform::MessageIcon::None, "");
}

}  // namespace curfew
