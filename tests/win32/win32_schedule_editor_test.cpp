// The schedule editor on real controls: the program's windows on the Win32 back end.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/win32_program_services.h"
#include "ui/application.h"
#include "ui/frm_wizard.h"

namespace curfew {
namespace {

HWND Of(const ui::Control& control) { return reinterpret_cast<HWND>(control.Handle()); }

TEST(Win32ScheduleEditor, ShowsItsTreesAndPickersOnRealControls) {
  app::Win32ProgramServices windows("Curfew.EditorTest.Running");
  Application application(windows.Services());
  application.Start();
  application.splash.ShowMainWindow();
  frmMain& main = application.main;
  main.cmdNewSchedule.UserClick();
  ASSERT_NE(main.ScheduleEditor(), nullptr);
  frmWizard& editor = *main.ScheduleEditor();

  const HWND week = Of(editor.tvScheduleWeek);
  ASSERT_TRUE(IsWindow(week));
  EXPECT_EQ(TreeView_GetCount(week), 7U);
  EXPECT_EQ(TreeView_GetCount(Of(editor.tvScheduleMonth)), 31U);
  EXPECT_FALSE(IsWindowEnabled(Of(editor.dtDate))) << "until the scheduler is enabled";

  SendMessageW(Of(editor.chkScheduler), BM_CLICK, 0, 0);
  SendMessageW(Of(editor.chkRepeat), BM_CLICK, 0, 0);
  SendMessageW(Of(editor.optRepeat1), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindowEnabled(Of(editor.dtDate)));
  EXPECT_TRUE(IsWindowVisible(week));
  EXPECT_FALSE(IsWindowVisible(Of(editor.tvScheduleMonth)));

  // The space bar checks the selected weekday, as a click on its box would.
  const HTREEITEM monday = TreeView_GetRoot(week);
  TreeView_SelectItem(week, monday);
  SetFocus(week);
  SendMessageW(week, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(week, WM_KEYUP, VK_SPACE, 0);
  windows.Runtime().DoEvents();
  EXPECT_TRUE(editor.tvScheduleWeek.GetNode(1).checked);
  EXPECT_EQ(editor.ComposeRecord().Period, "mon");

  SYSTEMTIME time{};
  DateTime_GetSystemtime(Of(editor.dtTime), &time);
  EXPECT_EQ(time.wMinute, 0) << "the next full hour";

  SendMessageW(Of(editor.cmdCancel), BM_CLICK, 0, 0);
  EXPECT_FALSE(editor.Loaded());
  main.ExitRequested = true;
  main.Unload();
}

}  // namespace
}  // namespace curfew
