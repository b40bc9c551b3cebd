// The warning before an action on real controls, driven as a person drives it: it appears above
// the main window without taking the keyboard, and answers the mouse and the keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/date_arithmetic.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_power_system.h"
#include "ui/frm_warning.h"
#include "win32/support/running_program.h"
#include "win32/support/text_fit.h"
#include "win32/support/timer_left.h"

namespace curfew::test {
namespace {

const wchar_t kSettings[] = L"SOFTWARE\\Curfew Team\\Curfew\\Settings";
constexpr const char* kName = "Warned Daily";

// A daily log-off three minutes from now in the data folder while the test runs, and warnings
// five minutes ahead: the warning comes at the first look. Nobody lets it run.
class WarnedSchedule {
 public:
  WarnedSchedule() {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kSettings, L"WarnBeforeAction", REG_SZ, L"300", 8);
    LocalDateTime at = date_arithmetic::AddSeconds(platform::win32::Win32Clock().Now(), 180);
    at.time.second = 0;
    runAt = at;
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:00", at.time.hour, at.time.minute);
    startTime = time;
    std::ofstream(Path(), std::ios::binary)
        << "<DATA>\r\nLastRunTime=\r\nItemType=Log Off\r\nEnabled=1\r\n</DATA>\r\n\r\n<SCHEDULER>\r\nStartDate="
        << platform::win32::Win32Locale().FormatShortDate(at.date) << "\r\nStartTime=" << startTime
        << "\r\nRepeat=-1\r\nSAccurancy=0\r\nPeriod=\r\nRunOnStart=0\r\nRunOnEnd=0\r\n</SCHEDULER>\r\n\r\n";
  }
  ~WarnedSchedule() {
    DeleteFileA(Path().c_str());
    // What a test decided about the run (postponed, skipped) goes with it: the next test's
    // schedule may be the same to the minute.
    DeleteFileA((Path().substr(0, Path().find_last_of('\\')) + "\\decisions.txt").c_str());
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSettings, L"WarnBeforeAction");
  }
  WarnedSchedule(const WarnedSchedule&) = delete;
  WarnedSchedule& operator=(const WarnedSchedule&) = delete;

  LocalDateTime runAt;
  std::string startTime;

 private:
  static std::string Path() {
    static const std::string folder = [] {
      RunningProgram probe;
      return probe.main.DataFolderPath();
    }();
    return folder + "\\" + kName + ".sch";
  }
};

std::wstring WindowTextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

std::string NextRunOf(frmMain& main) {
  const auto index = main.Context().Schedules().Find(kName);
  return index ? main.Context().Schedules().At(*index).next.text : "(gone)";
}

TEST(Win32Warning, AppearsAboveWithoutTakingTheKeyboardAndEscPutsItAway) {
  WarnedSchedule schedule;
  RunningProgram program;
  const HWND focus = Focus();
  ASSERT_EQ(GetForegroundWindow(), WindowOf(program.main));
  frmWarning* warning = WaitForWarning(program);
  ASSERT_NE(warning, nullptr);
  const HWND window = WindowOf(*warning);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetForegroundWindow(), WindowOf(program.main)) << "the window in use keeps the keyboard";
  EXPECT_EQ(Focus(), focus);
  // Its warning is showing, so a sleep now would wake the computer for the run's minute: a real
  // waitable timer falls due then.
  const auto& power = dynamic_cast<platform::win32::Win32PowerSystem&>(program.main.Context().Services().power);
  ASSERT_NE(power.WakeTimerHandle(), nullptr);
  const auto left = SecondsLeft(power.WakeTimerHandle());
  ASSERT_TRUE(left);
  EXPECT_NEAR(static_cast<double>(*left),
              static_cast<double>(date_arithmetic::SecondsBetween(platform::win32::Win32Clock().Now(), schedule.runAt)),
              3.0);
  const std::string next = NextRunOf(program.main);
  program.input.Click(WindowOf(warning->lblDetails));
  EXPECT_EQ(GetForegroundWindow(), window) << "a click takes it";
  program.input.Key(VK_ESCAPE);
  EXPECT_FALSE(warning->Loaded());
  EXPECT_EQ(NextRunOf(program.main), next) << "put away, the run stays";
  program.input.Settle();
  Sleep(600);
  program.input.Settle();
  EXPECT_FALSE(program.main.Warning()->Loaded()) << "and it does not come back for the same run";
}

TEST(Win32Warning, TheKeysChooseAndPostponeThisRun) {
  WarnedSchedule schedule;
  RunningProgram program;
  frmWarning* warning = WaitForWarning(program);
  ASSERT_NE(warning, nullptr);
  const HWND combo = WindowOf(warning->cboPostpone);
  program.input.Click(combo);  // the list opens, and the window takes the keyboard
  program.input.Key(VK_DOWN);
  program.input.Key(VK_RETURN);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1) << "10 minutes";
  program.input.Key(VK_TAB);
  EXPECT_EQ(Focus(), WindowOf(warning->cmdSkip));
  program.input.KeyWith(VK_SHIFT, VK_TAB);
  program.input.KeyWith(VK_SHIFT, VK_TAB);
  ASSERT_EQ(Focus(), WindowOf(warning->cmdPostpone));
  program.input.Key(VK_SPACE);
  EXPECT_FALSE(warning->Loaded());
  EXPECT_EQ(NextRunOf(program.main),
            platform::win32::Win32Locale().FormatGeneralDate(date_arithmetic::AddSeconds(schedule.runAt, 600)));
}

TEST(Win32Warning, AClickOnSkipLeavesOutThisRunOnly) {
  WarnedSchedule schedule;
  RunningProgram program;
  frmWarning* warning = WaitForWarning(program);
  ASSERT_NE(warning, nullptr);
  program.input.Click(WindowOf(warning->cmdSkip));
  EXPECT_FALSE(warning->Loaded());
  const auto tomorrow = date_arithmetic::AddSeconds(schedule.runAt, 86400).date;
  EXPECT_EQ(NextRunOf(program.main),
            platform::win32::Win32Locale().FormatShortDate(tomorrow) + " " + schedule.startTime);
}

// Every text of the warning fits its control in each shipped language: the buttons' captions
// with room for their edges, the countdown on one line, the sentence wrapped within its label.
TEST(Win32Warning, FitsInEveryLanguage) {
  RunningProgram program;
  frmMain& main = program.main;
  const LocalDateTime now = platform::win32::Win32Clock().Now();
  frmWarning warning(main.Context(), {"Stand by", std::string(60, 'W'), now, now});  // shown cut to 40
  warning.Show();
  for (const char* language : {"English", "Deutsch", "Français", "Español", "Italiano", "Nederlands"}) {
    main.Context().Languages().ChangeLanguage(warning, language);
    warning.ShowCatalogueTexts();
    for (const ui::CommandButton* button : {&warning.cmdRunNow, &warning.cmdPostpone, &warning.cmdSkip}) {
      const HWND control = WindowOf(*button);
      EXPECT_LE(TextExtent(control, WindowTextOf(control)).cx + 16, ClientSize(control).cx)
          << language << " " << button->Name();
    }
    const HWND countdown = WindowOf(warning.lblCountdown);
    EXPECT_LE(TextExtent(countdown, WindowTextOf(countdown)).cx, ClientSize(countdown).cx) << language;
    const HWND details = WindowOf(warning.lblDetails);
    const SIZE room = ClientSize(details);
    EXPECT_LE(TextExtent(details, WindowTextOf(details), room.cx).cy, room.cy) << language;
    const HWND combo = WindowOf(warning.cboPostpone);
    for (int choice = 0; choice < warning.cboPostpone.ListCount(); ++choice) {
      EXPECT_LE(TextExtent(combo, platform::win32::Utf8ToWide(warning.cboPostpone.List(choice))).cx,
                ClientSize(combo).cx - GetSystemMetrics(SM_CXVSCROLL) - 8)
          << language;
    }
  }
  main.Context().Languages().ChangeLanguage(main, "English");
  warning.Unload();
}

}  // namespace
}  // namespace curfew::test
