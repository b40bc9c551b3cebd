// Every caption of every window fits its control in each shipped language, at the DPI the test
// runs at (the build runs it at several).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "appearance/frm_about.h"
#include "appearance/frm_website.h"
#include "localization/frm_language.h"
#include "platform/date_arithmetic.h"
#include "platform/win32/win32_clock.h"
#include "settings/frm_options.h"
#include "ui/frm_history.h"
#include "ui/frm_still_running.h"
#include "ui/frm_warning.h"
#include "ui/frm_wizard.h"
#include "win32/support/caption_fit.h"
#include "win32/support/running_program.h"

namespace curfew::test {
namespace {

constexpr const char* kLanguages[] = {"English", "Deutsch", "Français", "Español", "Italiano", "Nederlands"};

// The cut captions of a window in each language, each named with its language.
template <typename Window>
std::vector<std::string> CutInEveryLanguage(frmMain& main, Window& window) {
  std::vector<std::string> cut;
  for (const char* language : kLanguages) {
    main.Context().Languages().ChangeLanguage(window, language);
    window.ShowCatalogueTexts();
    for (const std::string& caption : CutCaptions(window)) cut.push_back(std::string(language) + " " + caption);
  }
  main.Context().Languages().ChangeLanguage(window, "English");
  window.ShowCatalogueTexts();
  return cut;
}

// The main window at its smallest size in each language: every caption fits, and no control
// reaches past the window's right edge.
std::vector<std::string> CutAtSmallestSize(frmMain& main) {
  std::vector<std::string> cut;
  const HWND window = WindowOf(main);
  ShowWindow(window, SW_RESTORE);
  for (const char* language : kLanguages) {
    main.Context().Languages().ChangeLanguage(main, language);
    main.ShowCatalogueTexts();
    MINMAXINFO limits{};
    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    SetWindowPos(window, nullptr, 0, 0, limits.ptMinTrackSize.x, limits.ptMinTrackSize.y,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const std::string& caption : CutCaptions(main)) cut.push_back(std::string(language) + " smallest " + caption);
    RECT client{};
    GetClientRect(window, &client);
    for (const ui::Control* control : main.Controls()) {
      const auto child = reinterpret_cast<HWND>(control->Handle());
      if (!child || !IsWindowVisible(child) || GetParent(child) != window) continue;
      RECT place{};
      GetWindowRect(child, &place);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
      if (place.right > client.right)
        cut.push_back(std::string(language) + " smallest " + control->Name() + ": past the edge");
    }
  }
  main.Context().Languages().ChangeLanguage(main, "English");
  main.ShowCatalogueTexts();
  return cut;
}

TEST(Win32CaptionFit, EveryWindowsCaptionsFitInEveryLanguage) {
  RunningProgram program;
  frmMain& main = program.main;
  std::vector<std::string> cut = CutInEveryLanguage(main, main);
  const auto add = [&cut](const std::vector<std::string>& more) { cut.insert(cut.end(), more.begin(), more.end()); };
  add(CutAtSmallestSize(main));

  main.mnuFileItem4.UserClick();
  add(CutInEveryLanguage(main, *main.Preferences()));
  main.Preferences()->Unload();

  main.cmdNewSchedule.UserClick();
  frmWizard& editor = *main.ScheduleEditor();
  editor.chkScheduler.UserClick();
  add(CutInEveryLanguage(main, editor));
  // The line of runs in its longest forms: no day chosen yet, then three runs.
  editor.chkRepeat.UserClick();
  editor.optRepeat2.UserClick();
  add(CutInEveryLanguage(main, editor));
  editor.tvScheduleMonth.UserCheckNode(15, true);
  editor.tvScheduleMonth.UserCheckNode(28, true);
  add(CutInEveryLanguage(main, editor));
  editor.Unload();

  main.mnuHistory.UserClick();
  add(CutInEveryLanguage(main, *main.HistoryWindow()));
  main.HistoryWindow()->Unload();

  main.mnuAboutItem.UserClick();
  add(CutInEveryLanguage(main, *main.About()));
  main.About()->Unload();

  // With the line that names a temporary schedule still to come, on another day.
  main.Engine().ArmQuick("Hibernate", date_arithmetic::AddSeconds(platform::win32::Win32Clock().Now(), 2 * 86400));
  frmStillRunning& reminder =
      main.Context().Windows().Open<frmStillRunning>(OpenWindows::Place::Reminder, main.Context());
  reminder.Show();
  add(CutInEveryLanguage(main, reminder));
  reminder.Unload();

  const LocalDateTime now = platform::win32::Win32Clock().Now();
  frmWarning warning(main.Context(), {"Stand by", std::string(60, 'W'), now, now});
  warning.Show();
  add(CutInEveryLanguage(main, warning));
  warning.Unload();

  main.ShowWebsite();  // the browser's window is not translated
  for (const std::string& caption : CutCaptions(*main.Website())) cut.push_back("browser " + caption);
  main.Website()->Unload();

  main.mnuLanguageItem.UserClick();
  add(CutInEveryLanguage(main, *main.LanguageDialog()));
  main.LanguageDialog()->Unload();

  std::string report;
  for (const std::string& caption : cut) report += "\n  " + caption;
  const UINT dpi = GetDpiForWindow(WindowOf(main));
  if (const char* expected = std::getenv("CURFEW_EXPECTED_DPI")) {
    EXPECT_EQ(dpi, static_cast<UINT>(std::atoi(expected))) << "the system's DPI reaches the windows";
  }
  EXPECT_TRUE(cut.empty()) << cut.size() << " captions cut at " << dpi << " DPI:" << report;
}

}  // namespace
}  // namespace curfew::test
