// The schedule list on the headless back end: rows ordered by a column (a view only), and a
// row's context menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scheduling/mod_globals.h"
#include "ui/frm_main.h"
#include "ui/frm_wizard.h"
#include "ui/main_window_fixture.h"

namespace curfew {
namespace {

using platform::MessageAnswer;
using platform::RegistryRoot;
using test::Calls;
using test::kUserSettings;
using test::MainWindowTest;

class ScheduleListActionsTest : public MainWindowTest {
 protected:
  static std::vector<std::string> Names(const frmMain& main) {
    std::vector<std::string> names;
    for (const ui::ListView::Row& row : main.lstSchedules.Rows()) names.push_back(row.text);
    return names;
  }
  int RowNamed(const std::string& name) {
    for (int row = 1; row <= Main().lstSchedules.ListItemCount(); ++row)
      if (Main().lstSchedules.ListItemText(row) == name) return row;
    return 0;
  }
  // Opens the row's menu as a right click does and clicks the item.
  void Choose(const std::string& name, ui::Menu& item) {
    runtime.onPopup = [&item](ui::Menu&) { item.UserClick(); };
    Main().lstSchedules.UserContextMenu(RowNamed(name));
    runtime.onPopup = nullptr;
  }
};

// Next runs whose text sorts otherwise than their dates; a schedule without a run comes last
// whichever way the list goes.
TEST_F(ScheduleListActionsTest, AColumnOrdersTheRowsByValueAndTheOrderIsKept) {
  WriteSchedule("Later", "Reboot", "12/10/2026", "09:00:00", false, 0);
  WriteSchedule("Never", "Reboot", "", "", false, 0);
  WriteSchedule("Sooner", "Reboot", "12/9/2026", "23:00:00", false, 0);
  Start();
  Main().lstSchedules.UserClickColumn(4);
  EXPECT_EQ(Names(Main()), (std::vector<std::string>{"Sooner", "Later", "Never"}));
  EXPECT_EQ(Main().lstSchedules.ColumnSortArrow(4), ui::ListView::SortArrow::Up);
  Main().lstSchedules.UserClickColumn(4);
  EXPECT_EQ(Names(Main()), (std::vector<std::string>{"Later", "Sooner", "Never"}));
  EXPECT_EQ(Main().lstSchedules.ColumnSortArrow(4), ui::ListView::SortArrow::Down);
  Main().lstSchedules.UserClickColumn(1);
  EXPECT_EQ(Names(Main()), (std::vector<std::string>{"Later", "Never", "Sooner"}));
  EXPECT_EQ(Main().lstSchedules.ColumnSortArrow(4), ui::ListView::SortArrow::None);
  Main().lstSchedules.UserClickColumn(1);
  Main().mnuFileItem6.UserClick();
  EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, kUserSettings, "ScheduleSort"), "-1");
  auto next = Restart();
  EXPECT_EQ(Names(next->main), (std::vector<std::string>{"Sooner", "Never", "Later"}));
  EXPECT_EQ(next->main.lstSchedules.ColumnSortArrow(1), ui::ListView::SortArrow::Down);
}

// Two runs in one minute: the schedule read first runs, however the rows are ordered; a row
// clicked in a sorted list is the schedule it shows.
TEST_F(ScheduleListActionsTest, SortingIsAViewTheEngineRunsInReadingOrder) {
  WriteSchedule("A first", "Reboot", "12/1/2026", "10:05:00", true, 0);
  WriteSchedule("B second", "Shut Down", "12/1/2026", "10:05:00", true, 0);
  Start();
  const std::string firstRead = Main().Context().Schedules().At(0).name;
  const std::string firstAction = Main().Context().Schedules().At(0).action;
  Main().lstSchedules.UserClickColumn(1);
  if (Main().lstSchedules.ListItemText(1) == firstRead) Main().lstSchedules.UserClickColumn(1);
  ASSERT_NE(Main().lstSchedules.ListItemText(1), firstRead) << "the schedule read first is no longer on top";
  Main().lstSchedules.UserSelectItem(1);
  EXPECT_EQ(Main().Context().SelectedSchedule.name, Main().lstSchedules.ListItemText(1));
  AdvanceTo(10, 5, 30);
  EXPECT_EQ(PowerActions(), Calls{firstAction == "Reboot" ? "ExitWindowsEx(6)" : "ExitWindowsEx(5)"});
}

TEST_F(ScheduleListActionsTest, DisableAndEnableWriteTheFileAndTheRowFollows) {
  WriteSchedule("Nightly", "Shut Down", "12/1/2026", "10:05:00", true, 0);
  Start();
  ui::Menu& item = Main().mnuRowItem2;
  Choose("Nightly", item);
  EXPECT_EQ(item.Caption(), "Disable");
  const std::string file = folder.Read("data/Nightly.sch");
  EXPECT_EQ(GetKeyValue(GetSection(file, "DATA"), "Enabled"), "0");
  EXPECT_EQ(GetKeyValue(GetSection(file, "SCHEDULER"), "StartTime"), "10:05:00") << "the start is kept";
  EXPECT_EQ(Main().lstSchedules.SubItem(1, 4), "No");
  EXPECT_EQ(NextRunOf(1), "");
  AdvanceTo(10, 6, 0);
  EXPECT_TRUE(PowerActions().empty()) << "switched off, it does not run";
  Choose("Nightly", item);
  EXPECT_EQ(item.Caption(), "Enable");
  EXPECT_EQ(Main().lstSchedules.SubItem(1, 4), "Yes");
  EXPECT_EQ(NextRunOf(1), "12/9/2026 10:05:00");
}

TEST_F(ScheduleListActionsTest, RunNowAsksAndSkipNextRunMovesOnlyTheComingRun) {
  WriteSchedule("Nightly", "Stand by", "12/1/2026", "23:30:00", true, 0);
  Start();
  Choose("Nightly", Main().mnuRowItem1);
  EXPECT_EQ(NextRunOf(1), "12/9/2026 23:30:00");
  runtime.messages.Answer(MessageAnswer::Cancel);
  Choose("Nightly", Main().mnuRowItem0);
  EXPECT_TRUE(PowerActions().empty()) << "Cancel on the question runs nothing";
  runtime.messages.Answer(MessageAnswer::Ok);
  Choose("Nightly", Main().mnuRowItem0);
  EXPECT_EQ(PowerActions(), Calls{"SetSuspendState(0, 0)"});
  EXPECT_TRUE(Main().lstSchedules.SubItem(1, 2).starts_with("12/8/2026 10:00")) << "the run is noted";
  EXPECT_EQ(NextRunOf(1), "12/9/2026 23:30:00") << "a run made by hand moves no run";
}

TEST_F(ScheduleListActionsTest, EditAndDeleteActOnTheRowOfTheMenu) {
  WriteSchedule("One", "Reboot", "12/1/2026", "23:30:00", true, 0);
  WriteSchedule("Two", "Log Off", "12/1/2026", "22:00:00", true, 0);
  Start();
  Choose("Two", Main().mnuRowItem3);
  ASSERT_NE(Main().ScheduleEditor(), nullptr);
  EXPECT_EQ(Main().ScheduleEditor()->txtName.Text(), "Two");
  Main().ScheduleEditor()->Unload();
  runtime.messages.Answer(MessageAnswer::Yes);
  Choose("One", Main().mnuRowItem4);
  EXPECT_FALSE(folder.Exists("data/One.sch"));
  EXPECT_TRUE(folder.Exists("data/Two.sch"));
}

// Switched off from the row menu, then opened in the editor: the start and the repetition are
// there, greyed, and "Ok" keeps them.
TEST_F(ScheduleListActionsTest, ASwitchedOffScheduleKeepsItsStartThroughTheEditor) {
  WriteSchedule("Weekly", "Reboot", "12/1/2026", "21:15:00", true, 1, "mon,fri");
  Start();
  Choose("Weekly", Main().mnuRowItem2);
  Choose("Weekly", Main().mnuRowItem3);
  frmWizard& editor = *Main().ScheduleEditor();
  EXPECT_EQ(editor.chkScheduler.Value(), 0);
  EXPECT_EQ(editor.dtTime.GetDateTime().time, (TimeOfDay{21, 15, 0}));
  EXPECT_FALSE(editor.dtTime.Enabled());
  EXPECT_EQ(editor.optRepeat1.Value(), 1);
  EXPECT_EQ(editor.lblRuns.Caption(), "No run: the schedule is not enabled.");
  editor.cmdOK.UserClick();
  const std::string section = GetSection(folder.Read("data/Weekly.sch"), "SCHEDULER");
  EXPECT_EQ(GetKeyValue(section, "StartDate"), "12/1/2026");
  EXPECT_EQ(GetKeyValue(section, "StartTime"), "21:15:00");
  EXPECT_EQ(GetKeyValue(section, "Period"), "mon,fri");
  EXPECT_EQ(GetKeyValue(GetSection(folder.Read("data/Weekly.sch"), "DATA"), "Enabled"), "0");
  Choose("Weekly", Main().mnuRowItem2);
  EXPECT_EQ(NextRunOf(1), "12/11/2026 21:15:00") << "switched on again, it runs as before";
}

TEST_F(ScheduleListActionsTest, ADeleteThatFailsSaysWhyAndKeepsTheRow) {
  WriteSchedule("Locked", "Reboot", "12/1/2026", "23:30:00", true, 0);
  Start();
  files.SetAttributes(folder.path() + "\\data\\Locked.sch", platform::file_attribute::kReadOnly);
  runtime.messages.Answer(MessageAnswer::Yes);
  runtime.messages.Answer(MessageAnswer::Ok);
  Choose("Locked", Main().mnuRowItem4);
  ASSERT_EQ(runtime.messages.shown().size(), 2U);
  EXPECT_EQ(runtime.messages.shown()[1].text, "Error 70 - Permission denied");
  EXPECT_TRUE(folder.Exists("data/Locked.sch"));
  EXPECT_EQ(Main().lstSchedules.ListItemCount(), 1);
}

}  // namespace
}  // namespace curfew
