// The History window and the user's decisions on real controls and real files: the window
// walked with keys and clicks, and a skipped and a postponed run that outlive the program's end.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/date_arithmetic.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_locale.h"
#include "ui/frm_history.h"
#include "ui/frm_warning.h"
#include "win32/support/running_program.h"

namespace curfew::test {
namespace {

const wchar_t kSettings[] = L"SOFTWARE\\Curfew Team\\Curfew\\Settings";

std::wstring CellText(HWND list, int row, int column) {
  wchar_t text[256] = {};
  ListView_GetItemText(list, row, column, text, 256);
  return text;
}

bool Shown(const ui::Form* form) { return form && form->Loaded() && IsWindowVisible(WindowOf(*form)); }

TEST(Win32History, TheWindowAnswersTheKeysAndTheMouse) {
  RunningProgram program;
  frmMain& main = program.main;
  RealInput& input = program.input;
  History& history = main.Context().EventHistory();
  ASSERT_TRUE(history.Clear());
  const LocalDateTime later = date_arithmetic::AddSeconds(platform::win32::Win32Clock().Now(), 3600);
  main.Engine().ArmQuick("Log Off", later);
  main.Engine().SkipNextRun(main.Context().Schedules().Count() - 1);  // a temporary one skipped goes
  {
    KeyLater open('H', 50, KeyLater::kOpenMenu);
    input.Alt('V');
  }
  input.Settle();
  ASSERT_TRUE(Shown(main.HistoryWindow())) << "Alt+V, H opens the history";
  frmHistory& window = *main.HistoryWindow();
  const HWND list = WindowOf(window.lstHistory);
  ASSERT_EQ(ListView_GetItemCount(list), 2);
  EXPECT_EQ(CellText(list, 0, 1), L"Skipped") << "newest first";
  EXPECT_EQ(CellText(list, 1, 1), L"Temporary schedule set");
  EXPECT_EQ(Focus(), list);
  input.Key(VK_TAB);
  EXPECT_EQ(Focus(), WindowOf(window.cmdClear));
  input.Key(VK_TAB, 2);
  EXPECT_EQ(Focus(), WindowOf(window.cmdClose));
  input.KeyWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(Focus(), WindowOf(window.cmdOpenFile));

  // A click on the Event column orders the rows by it, from A; a second one turns them round.
  RECT column{};
  const HWND header = ListView_GetHeader(list);
  Header_GetItemRect(header, 1, &column);
  const POINT middle{(column.left + column.right) / 2, (column.top + column.bottom) / 2};
  input.Click(header, middle);
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  Header_GetItem(header, 1, &item);
  EXPECT_TRUE(item.fmt & HDF_SORTUP);
  input.Click(header, middle);
  EXPECT_EQ(CellText(list, 0, 1), L"Temporary schedule set");
  EXPECT_EQ(CellText(list, 1, 1), L"Skipped");
  Header_GetItem(header, 1, &item);
  EXPECT_TRUE(item.fmt & HDF_SORTDOWN);

  {
    MessageBoxAnswer enter(VK_RETURN);  // the question's default is No
    input.Click(WindowOf(window.cmdClear));
    EXPECT_EQ(enter.Text(), "Clear the whole history? This cannot be undone.");
  }
  EXPECT_EQ(ListView_GetItemCount(list), 2) << "Enter keeps the history";
  {
    MessageBoxAnswer yes('Y');
    input.Click(WindowOf(window.cmdClear));
  }
  EXPECT_EQ(ListView_GetItemCount(list), 0);
  std::ifstream file(history.Path(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), {});
  EXPECT_EQ(bytes, kHistoryHeader) << "the file keeps its header alone";
  input.Key(VK_ESCAPE);
  EXPECT_FALSE(window.Loaded()) << "Esc closes it";
}

// A daily log-off three minutes ahead, warned five minutes ahead, and a daily reboot an hour
// ahead, in the data folder while the test runs.
class DecidedSchedules {
 public:
  DecidedSchedules() {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kSettings, L"WarnBeforeAction", REG_SZ, L"300", 8);
    warnedAt = Write("Decided Warned", "Log Off", 180);
    skippedAt = Write("Decided Skipped", "Reboot", 3600);
  }
  ~DecidedSchedules() {
    DeleteFileA(Path("Decided Warned").c_str());
    DeleteFileA(Path("Decided Skipped").c_str());
    DeleteFileA((Folder() + "\\decisions.txt").c_str());
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSettings, L"WarnBeforeAction");
  }
  DecidedSchedules(const DecidedSchedules&) = delete;
  DecidedSchedules& operator=(const DecidedSchedules&) = delete;

  static std::string Folder() {
    static const std::string folder = [] {
      RunningProgram probe;
      return probe.main.DataFolderPath();
    }();
    return folder;
  }

  LocalDateTime warnedAt;
  LocalDateTime skippedAt;

 private:
  static std::string Path(const std::string& name) { return Folder() + "\\" + name + ".sch"; }
  static LocalDateTime Write(const std::string& name, const char* action, long long seconds) {
    LocalDateTime at = date_arithmetic::AddSeconds(platform::win32::Win32Clock().Now(), seconds);
    at.time.second = 0;
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:00", at.time.hour, at.time.minute);
    std::ofstream(Path(name), std::ios::binary)
        << "<DATA>\r\nLastRunTime=\r\nItemType=" << action
        << "\r\nEnabled=1\r\n</DATA>\r\n\r\n<SCHEDULER>\r\nStartDate="
        << platform::win32::Win32Locale().FormatShortDate(at.date) << "\r\nStartTime=" << time
        << "\r\nRepeat=-1\r\nSAccurancy=0\r\nPeriod=\r\nRunOnStart=0\r\nRunOnEnd=0\r\n</SCHEDULER>\r\n\r\n";
    return at;
  }
};

std::string NextRunOf(frmMain& main, const std::string& name) {
  const auto index = main.Context().Schedules().Find(name);
  return index ? main.Context().Schedules().At(*index).next.text : "(gone)";
}

TEST(Win32History, ASkipAndAPostponementOutliveTheProgramsEnd) {
  DecidedSchedules schedules;
  const platform::win32::Win32Locale locale;
  const std::string postponed = locale.FormatGeneralDate(date_arithmetic::AddSeconds(schedules.warnedAt, 600));
  const std::string skipped =
      locale.FormatShortDate(date_arithmetic::AddSeconds(schedules.skippedAt, 86400).date) + " " + [&] {
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:00", schedules.skippedAt.time.hour,
                      schedules.skippedAt.time.minute);
        return std::string(time);
      }();
  {
    RunningProgram program;
    frmWarning* warning = WaitForWarning(program);
    ASSERT_NE(warning, nullptr);
    const HWND combo = WindowOf(warning->cboPostpone);
    program.input.Click(combo);
    program.input.Key(VK_DOWN);
    program.input.Key(VK_RETURN);  // 10 minutes
    program.input.Click(WindowOf(warning->cmdPostpone));
    ASSERT_EQ(NextRunOf(program.main, "Decided Warned"), postponed);
    // The reboot's row menu: Run now, then Skip next run.
    const HWND list = WindowOf(program.main.lstSchedules);
    int row = 0;
    while (row < ListView_GetItemCount(list) && CellText(list, row, 0) != L"Decided Skipped") ++row;
    ASSERT_LT(row, ListView_GetItemCount(list));
    RECT area{};
    ListView_GetItemRect(list, row, &area, LVIR_LABEL);
    {
      KeyLater down1(VK_DOWN, 50, KeyLater::kOpenMenu), down2(VK_DOWN, 150, KeyLater::kOpenMenu),
          enter(VK_RETURN, 300, KeyLater::kOpenMenu);
      program.input.RightClick(list, {(area.left + area.right) / 2, (area.top + area.bottom) / 2});
    }
    program.input.Settle();
    ASSERT_EQ(NextRunOf(program.main, "Decided Skipped"), skipped);
  }
  // The program ended; the next start finds both decisions in the data folder.
  RunningProgram again;
  EXPECT_EQ(NextRunOf(again.main, "Decided Warned"), postponed);
  EXPECT_EQ(NextRunOf(again.main, "Decided Skipped"), skipped);
  EXPECT_TRUE(std::ifstream(DecidedSchedules::Folder() + "\\decisions.txt").good());
}

}  // namespace
}  // namespace curfew::test
